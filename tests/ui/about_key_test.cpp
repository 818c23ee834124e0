// A key press in the About window one second after start-up, then the timer: Shift alone is no
// key press, Return, which the notice names, hands over at once, and the hand-over runs twice, the calculator window is
// built once and keeps what was typed, and the About window shown again afterwards is the same one, without a second
// timer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <string>

#include "platform/window.h"
#include "tests/ui/gui_support.h"
#include "ui/about_item.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace ui_test {
namespace {

using namespace std::chrono_literals;

TEST(AboutWindowKey, HandsOverAtOnceThenAgainOnTheTimerThenShowsTheSameWindow) {
  FixedDay day(2024, 3, 5);
  auto& about = AboutWnd::AboutWnd();
  QTest::qWait(1000);
  ASSERT_NE(about.Label1().Value().find("press Return"), std::string::npos) << about.Label1().Value();

  QTest::keyClick(about.Widget(), Qt::Key_Shift);
  EXPECT_TRUE(about.Visible()) << "a modifier alone may begin a shortcut";
  QTest::keyClick(about.Widget(), Qt::Key_Return);
  EXPECT_FALSE(about.Visible());
  ASSERT_NE(platform::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
  auto& calc = ControlWnd::ControlWnd();
  EXPECT_TRUE(calc.Visible());
  Retype(calc.DOByFld(), "1990");
  ASSERT_TRUE(about.Timer1().Armed()) << "a key press must not stop the timer";
  // The calculator window becoming active hides the About window; let that happen first.
  ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == calc.Widget(); }, 1s));

  // Shown again from the menu before the timer fires: the timer's hand-over hides it.
  calc.ChooseMenuItem(AboutTavrel());
  QTest::qWait(100);
  ASSERT_TRUE(about.Visible());
  ASSERT_TRUE(WaitUntil([&] { return !about.Timer1().Armed(); }, 4s));
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(calc.Visible());
  EXPECT_EQ(&ControlWnd::ControlWnd(), &calc);
  EXPECT_EQ(calc.ControlCount(), 21u);
  EXPECT_EQ(calc.DOByFld().Text(), "1990");

  // The About command after the timer: the same window again, and no timer to hide it.
  const auto windows = QApplication::topLevelWidgets().size();
  calc.ChooseMenuItem(AboutTavrel());
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(&AboutWnd::AboutWnd(), &about);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
  EXPECT_EQ(about.ControlCount(), 4u);
  EXPECT_FALSE(about.Timer1().Armed());

  // It stays up until a key press or click in it.
  QTest::qWait(300);
  EXPECT_TRUE(about.Visible());
  QTest::keyClick(about.Widget(), Qt::Key_A);
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(calc.Visible());
}

}  // namespace
}  // namespace ui_test
