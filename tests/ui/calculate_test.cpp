// Calculate through the window, by a click on the button and by Return: the age in the result
// fields, or the message first and then the focus on the field at fault, with the earlier
// results left in place. The input fields keep what was typed either way.

#include <gtest/gtest-spi.h>

#include <QTest>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/modal_watchdog.h"
#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;
using FieldAccessor = platform::TextField& (W::*)() const;

enum class Press { Click, Return };

struct Dates {
  std::string_view birthYear, birthMonth, birthDay, testYear, testMonth, testDay;
};

struct SuccessRow {
  std::string_view name;
  Press press;
  Dates typed;
  std::string_view years, months, days;
};

struct FailureRow {
  std::string_view name;
  Press press;
  Dates typed;
  std::string_view message;
  FieldAccessor atFault;
};

const SuccessRow kSuccesses[] = {
    {"borrowed_month_counts_30_days", Press::Click, {"2000", "1", "31", "2000", "3", "1"}, "0", "1", "0"},
    {"leap_day_birth_by_return", Press::Return, {"2004", "2", "29", "2005", "3", "1"}, "1", "0", "2"},
    {"typed_07_stays_07", Press::Click, {"2000", "07", "04", "2020", "03", "10"}, "19", "8", "6"},
    {"hundred_years_shown_whole", Press::Return, {"1924", "1", "1", "2024", "1", "1"}, "100", "0", "0"},
};

// Today is 5 March 2024, so the birth year runs to 2024.
const FailureRow kFailures[] = {
    {"birth_year_before_1900",
     Press::Click,
     {"1899", "1", "1", "2020", "1", "1"},
     "DOB year must range from 1900 to 2024",
     &W::DOByFld},
    {"birth_month_13",
     Press::Click,
     {"2000", "13", "1", "2020", "1", "1"},
     "DOB month must range from 1 to 12",
     &W::DOBmFld},
    {"birth_on_29_february_of_a_common_year",
     Press::Click,
     {"2001", "2", "29", "2020", "1", "1"},
     "DOB day must range from 1 to 28",
     &W::DOBdFld},
    {"test_month_13_and_day_40_by_return",
     Press::Return,
     {"2000", "1", "1", "2020", "13", "40"},
     "Test month must range from 1 to 12",
     &W::DOTmFld},
    {"test_on_29_february_of_a_common_year",
     Press::Click,
     {"2000", "1", "1", "2001", "2", "29"},
     "Test day must range from 1 to 28",
     &W::DOTdFld},
    {"test_a_day_before_birth_by_return",
     Press::Return,
     {"2010", "6", "15", "2010", "6", "14"},
     "Date of Test must be later than Date of Birth",
     &W::DOTyFld},
};

using Texts = std::vector<std::string>;

class CalculatePresses : public CalculatorTest {
 protected:
  void Type(const Dates& d) {
    Retype(calc_.DOByFld(), d.birthYear);
    Retype(calc_.DOBmFld(), d.birthMonth);
    Retype(calc_.DOBdFld(), d.birthDay);
    Retype(calc_.DOTyFld(), d.testYear);
    Retype(calc_.DOTmFld(), d.testMonth);
    Retype(calc_.DOTdFld(), d.testDay);
  }

  Texts Typed() const {
    return {calc_.DOByFld().Text(), calc_.DOBmFld().Text(), calc_.DOBdFld().Text(),
            calc_.DOTyFld().Text(), calc_.DOTmFld().Text(), calc_.DOTdFld().Text()};
  }

  Texts Results() const { return {calc_.AgeYFld().Text(), calc_.AgeMfld().Text(), calc_.AgeDFld().Text()}; }

  // Return goes in from the last field of the birth date, where the user left off typing.
  void PressCalculate(Press press) {
    if (press == Press::Click) {
      QTest::mouseClick(calc_.CalcBtn().Widget(), Qt::LeftButton);
    } else {
      calc_.DOBdFld().SetFocus();
      QTest::keyClick(calc_.DOBdFld().Widget(), Qt::Key_Return);
    }
  }

  // An earlier press, whose results the next one replaces or, failing, leaves alone.
  void CalculateEarlierAge() {
    Type({"2000", "5", "20", "2020", "3", "10"});
    calc_.CalcBtn().Push();
    ASSERT_EQ(Results(), (Texts{"19", "9", "20"}));
  }
};

class CalculateSuccessTest : public testing::TestWithParam<SuccessRow>, protected CalculatePresses {};
class CalculateFailureTest : public testing::TestWithParam<FailureRow>, protected CalculatePresses {};

TEST_P(CalculateSuccessTest, WritesTheAgeAndTouchesNothingElse) {
  const SuccessRow& row = GetParam();
  CalculateEarlierAge();
  Type(row.typed);
  const Texts typed = Typed();
  // Calculate leaves the help paragraph as it was; Return is also a key press, which hides it.
  calc_.Purpose().SetVisible(true);

  PressCalculate(row.press);
  EXPECT_EQ(Results(), (Texts{std::string(row.years), std::string(row.months), std::string(row.days)}));
  EXPECT_EQ(Typed(), typed);
  if (row.press == Press::Return) {
    EXPECT_TRUE(HasFocus(calc_, calc_.DOBdFld())) << "a success moved the focus";
  } else {
    EXPECT_TRUE(calc_.Purpose().Visible());
  }
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculateSuccessTest, testing::ValuesIn(kSuccesses), RowName());

TEST_P(CalculateFailureTest, ShowsTheMessageThenMovesTheFocusAndKeepsTheEarlierAge) {
  const FailureRow& row = GetParam();
  CalculateEarlierAge();
  Type(row.typed);
  const Texts typed = Typed();
  calc_.Purpose().SetVisible(true);

  gui_test::ModalWatchdog watchdog;
  PressCalculate(row.press);
  const auto boxes = watchdog.Take();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, row.message);
  platform::TextField& atFault = (calc_.*row.atFault)();
  EXPECT_FALSE(boxes[0].FocusWasOn(atFault.Widget())) << "the focus moved before the message was seen";
  EXPECT_TRUE(HasFocus(calc_, atFault));
  EXPECT_EQ(Results(), (Texts{"19", "9", "20"}));
  EXPECT_EQ(Typed(), typed);
  if (row.press == Press::Click) {
    EXPECT_TRUE(calc_.Purpose().Visible());
  }
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculateFailureTest, testing::ValuesIn(kFailures), RowName());

// A message that no test watches for fails the running test, so a success that also shows a box
// (above) cannot pass.
class CalculateUnwatchedTest : public testing::Test, protected CalculatePresses {};

TEST_F(CalculateUnwatchedTest, AMessageNoTestWatchesForFailsTheRunningTest) {
  Type({"1899", "1", "1", "2020", "1", "1"});
  EXPECT_NONFATAL_FAILURE(ControlWnd::ControlWnd().CalcBtn().Push(),
                          "unexpected modal box: \"DOB year must range from 1900 to 2024\"");
}

// The birth-year bound follows the clock: it is read at every press.
TEST_F(CalculatorWindowTest, BirthYearBoundIsTodaysYearAtEachPress) {
  Retype(calc_.DOByFld(), "2025");
  Retype(calc_.DOBmFld(), "1");
  Retype(calc_.DOBdFld(), "1");
  Retype(calc_.DOTyFld(), "2025");
  Retype(calc_.DOTmFld(), "6");
  Retype(calc_.DOTdFld(), "1");
  {
    gui_test::ModalWatchdog watchdog;
    calc_.CalcBtn().Push();
    const auto boxes = watchdog.Take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "DOB year must range from 1900 to 2024");
  }
  FixedDay nextYear(2025, 1, 1);
  calc_.CalcBtn().Push();
  EXPECT_EQ(calc_.AgeYFld().Text(), "0");
  EXPECT_EQ(calc_.AgeMfld().Text(), "5");
}

}  // namespace
}  // namespace ui_test
