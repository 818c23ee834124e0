// The calculator window's 21 controls: each under its name, of its class, reached by its
// accessor, and inside the fixed 500 by 400 content area.

#include "platform/controls.h"

#include <QRect>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"
#include "ui/wording.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;

struct ControlRow {
  std::string_view name;
  const platform::ClassRecord& (*cls)();
  std::function<platform::Control&(const W&)> accessor;
};

template <class C>
std::function<platform::Control&(const W&)> Via(C& (W::*accessor)() const) {
  return [accessor](const W& w) -> platform::Control& { return (w.*accessor)(); };
}

const ControlRow kControls[] = {
    {"Purpose", &platform::Label::Lookup, Via(&W::Purpose)},
    {"CalcBtn", &platform::PushButton::Lookup, Via(&W::CalcBtn)},
    {"ClearBtn", &platform::PushButton::Lookup, Via(&W::ClearBtn)},
    {"Title", &platform::Canvas::Lookup, Via(&W::Title)},
    {"DOTyFld", &platform::TextField::Lookup, Via(&W::DOTyFld)},
    {"DOTmFld", &platform::TextField::Lookup, Via(&W::DOTmFld)},
    {"DOTdFld", &platform::TextField::Lookup, Via(&W::DOTdFld)},
    {"DOByFld", &platform::TextField::Lookup, Via(&W::DOByFld)},
    {"DOBmFld", &platform::TextField::Lookup, Via(&W::DOBmFld)},
    {"DOBdFld", &platform::TextField::Lookup, Via(&W::DOBdFld)},
    {"AgeYFld", &platform::TextField::Lookup, Via(&W::AgeYFld)},
    {"AgeMfld", &platform::TextField::Lookup, Via(&W::AgeMfld)},
    {"AgeDFld", &platform::TextField::Lookup, Via(&W::AgeDFld)},
    {"HelpBtn", &platform::PushButton::Lookup, Via(&W::HelpBtn)},
    {"Canvas1", &platform::Canvas::Lookup, Via(&W::Canvas1)},
    {"Canvas2", &platform::Canvas::Lookup, Via(&W::Canvas2)},
    {"Canvas3", &platform::Canvas::Lookup, Via(&W::Canvas3)},
    {"Canvas4", &platform::Canvas::Lookup, Via(&W::Canvas4)},
    {"Canvas5", &platform::Canvas::Lookup, Via(&W::Canvas5)},
    {"Canvas6", &platform::Canvas::Lookup, Via(&W::Canvas6)},
    {"Label1", &platform::Label::Lookup, Via(&W::Label1)},
};

using ControlTest = CalculatorTableTest<ControlRow>;

TEST_P(ControlTest, IsFoundByNameAsItsClassThroughItsAccessor) {
  const ControlRow& row = GetParam();
  platform::Object* control = calc_.ControlByName(row.name);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(&control->Class(), &row.cls());
  EXPECT_EQ(&row.accessor(calc_), control);
  EXPECT_EQ(row.accessor(calc_).Name(), row.name);
}

TEST_P(ControlTest, LiesInsideTheContentArea) {
  const auto& control = dynamic_cast<platform::RectControl&>(GetParam().accessor(calc_));
  EXPECT_TRUE(QRect(0, 0, 500, 400).contains(control.Widget()->geometry())) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Calculator, ControlTest, testing::ValuesIn(kControls), RowName());

TEST_F(CalculatorWindowTest, HoldsExactlyItsTwentyOneControls) { EXPECT_EQ(calc_.ControlCount(), 21u); }

// The canvas named Title and the window's caption live side by side.
TEST_F(CalculatorWindowTest, TitleIsTheBannerAndTheCaptionStaysTavrel) {
  EXPECT_EQ(calc_.platform::Window::Title(), "Tavrel");
  EXPECT_EQ(calc_.Widget()->windowTitle(), "Tavrel");
  EXPECT_EQ(&calc_.Title(), calc_.ControlByName("Title"));
}

TEST_F(CalculatorWindowTest, HelpTextAndCreditAreOneLineEach) {
  constexpr std::string_view kFixedOpening =
      "Following the rules of many standardized tests, this program calculates age once given the birth date and "
      "current date. Enter years, months, and days in xxxx/xx/xx format. ";
  static_assert(kFixedOpening.size() == 172);
  const std::string help = calc_.Purpose().Value();
  EXPECT_EQ(help.substr(0, kFixedOpening.size()), kFixedOpening);
  EXPECT_GT(help.size(), kFixedOpening.size()) << "the notice after the fixed opening is missing";
  EXPECT_EQ(help.find('\n'), std::string::npos);
  EXPECT_EQ(calc_.Label1().Value(), ui::kCreditLine);
}

}  // namespace
}  // namespace ui_test
