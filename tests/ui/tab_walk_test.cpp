// The Tab key as the user walks it through a freshly opened calculator window: from the field
// that has the focus when the window opens, round every field and button once and back to the
// start. A process of its own, so that nothing has moved the focus before.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"
#include "tests/ui/gui_support.h"
#include "ui/control_wnd.h"

namespace ui_test {
namespace {

TEST(CalculatorTabWalk, GoesRoundEveryFieldAndButtonFromTheTestYear) {
  FixedDay day(2024, 3, 5);
  QuietAboutWindow();
  ASSERT_EQ(platform::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr) << "needs a process of its own";
  auto& calc = ControlWnd::ControlWnd();
  ASSERT_TRUE(QTest::qWaitForWindowActive(calc.Widget()));

  const std::pair<const platform::RectControl*, const char*> named[] = {
      {&calc.DOTyFld(), "test year"},  {&calc.DOTmFld(), "test month"},  {&calc.DOTdFld(), "test day"},
      {&calc.DOByFld(), "birth year"}, {&calc.DOBmFld(), "birth month"}, {&calc.DOBdFld(), "birth day"},
      {&calc.AgeYFld(), "age years"},  {&calc.AgeMfld(), "age months"},  {&calc.AgeDFld(), "age days"},
      {&calc.CalcBtn(), "Calculate"},  {&calc.HelpBtn(), "?"},           {&calc.ClearBtn(), "Clear"},
  };
  auto focused = [&]() -> std::string {
    QWidget* widget = QApplication::focusWidget();
    for (const auto& [control, name] : named)
      if (control->Widget() == widget) return name;
    return widget == nullptr ? "nothing" : "something else";
  };

  std::vector<std::string> walk{focused()};
  for (std::size_t step = 0; step < std::size(named); ++step) {
    ASSERT_NE(QApplication::focusWidget(), nullptr) << "the focus was lost after " << walk.back();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    walk.push_back(focused());
  }

  EXPECT_EQ(walk,
            (std::vector<std::string>{"test year", "test month", "test day", "birth year", "birth month", "birth day",
                                      "age years", "age months", "age days", "?", "Calculate", "Clear", "test year"}));
}

}  // namespace
}  // namespace ui_test
