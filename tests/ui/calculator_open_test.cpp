// The calculator window's first construction, which needs a process of its own: built once,
// visible without Show, today's date in the date of testing, everything else empty.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window.h"
#include "tests/ui/gui_support.h"
#include "ui/control_wnd.h"

namespace ui_test {
namespace {

using Texts = std::vector<std::string>;

TEST(CalculatorWindowOpen, FirstCallBuildsItShownWithTodayInTheTestDate) {
  FixedDay day(2024, 3, 5);
  QuietAboutWindow();
  ASSERT_EQ(platform::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr) << "needs a process of its own";

  auto& calc = ControlWnd::ControlWnd();
  EXPECT_TRUE(calc.Visible());
  const Texts fields{calc.DOTyFld().Text(), calc.DOTmFld().Text(), calc.DOTdFld().Text(),
                     calc.DOByFld().Text(), calc.DOBmFld().Text(), calc.DOBdFld().Text(),
                     calc.AgeYFld().Text(), calc.AgeMfld().Text(), calc.AgeDFld().Text()};
  EXPECT_EQ(fields, (Texts{"2024", "3", "5", "", "", "", "", "", ""}));
  EXPECT_FALSE(calc.Purpose().Visible());
  EXPECT_FALSE(calc.Purpose().Enabled());
}

TEST(CalculatorWindowOpen, SecondCallBuildsNothingAndKeepsTheTypedText) {
  FixedDay day(2024, 3, 5);
  QuietAboutWindow();
  auto& first = ControlWnd::ControlWnd();
  // Open raised again would write today's year back; CreateControls again would add controls.
  Retype(first.DOTyFld(), "1999");
  Retype(first.DOByFld(), "1980");

  auto& second = ControlWnd::ControlWnd();
  EXPECT_EQ(&second, &first);
  EXPECT_EQ(second.ControlCount(), 21u);
  EXPECT_EQ(second.DOTyFld().Text(), "1999");
  EXPECT_EQ(second.DOByFld().Text(), "1980");
}

}  // namespace
}  // namespace ui_test
