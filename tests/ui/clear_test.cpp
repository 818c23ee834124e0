// Clear empties the nine fields, puts the focus in the test year and writes the day of the
// click into the date of testing.

#include <QTest>
#include <string>
#include <vector>

#include "tests/ui/calculator_fixture.h"

namespace ui_test {
namespace {

using Texts = std::vector<std::string>;

Texts AllFields(const class ControlWnd::ControlWnd& w) {
  return {w.DOTyFld().Text(), w.DOTmFld().Text(), w.DOTdFld().Text(), w.DOByFld().Text(), w.DOBmFld().Text(),
          w.DOBdFld().Text(), w.AgeYFld().Text(), w.AgeMfld().Text(), w.AgeDFld().Text()};
}

TEST_F(CalculatorWindowTest, ClearAfterACalculationWritesTheDayOfTheClick) {
  Retype(calc_.DOByFld(), "2000");
  Retype(calc_.DOBmFld(), "5");
  Retype(calc_.DOBdFld(), "20");
  Retype(calc_.DOTyFld(), "2020");
  Retype(calc_.DOTmFld(), "3");
  Retype(calc_.DOTdFld(), "10");
  calc_.CalcBtn().Push();
  ASSERT_EQ(calc_.AgeYFld().Text(), "19");
  calc_.DOBmFld().SetFocus();

  // Past midnight, and past the year's end, since the window opened on 5 March 2024.
  FixedDay later(2025, 1, 9);
  QTest::mouseClick(calc_.ClearBtn().Widget(), Qt::LeftButton);
  const Texts cleared{"2025", "1", "9", "", "", "", "", "", ""};
  EXPECT_EQ(AllFields(calc_), cleared);
  EXPECT_TRUE(HasFocus(calc_, calc_.DOTyFld()));

  QTest::mouseClick(calc_.ClearBtn().Widget(), Qt::LeftButton);
  EXPECT_EQ(AllFields(calc_), cleared);
  EXPECT_TRUE(HasFocus(calc_, calc_.DOTyFld()));
}

}  // namespace
}  // namespace ui_test
