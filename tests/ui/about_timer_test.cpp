// The About window left alone: its one-shot timer holds 4000 ms and hands over then, not before.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <chrono>

#include "platform/window.h"
#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace ui_test {
namespace {

using namespace std::chrono_literals;

bool CalculatorBuilt() { return platform::GetImplicitWindow("ControlWnd.ControlWnd") != nullptr; }

TEST(AboutWindowTimer, AloneHandsOverAfterFourSeconds) {
  FixedDay day(2024, 3, 5);
  QElapsedTimer clock;
  clock.start();
  auto& about = AboutWnd::AboutWnd();
  // The period as the timer holds it: a wait alone cannot tell 4000 ms from 5000 on a loaded machine.
  EXPECT_EQ(about.Timer1().Period(), 4000);
  EXPECT_EQ(about.Timer1().RunMode(), 1) << "one shot";
  EXPECT_TRUE(about.Timer1().Armed());

  QTest::qWait(3000);
  EXPECT_FALSE(CalculatorBuilt()) << "handed over early";
  EXPECT_TRUE(about.Visible());

  ASSERT_TRUE(WaitUntil(&CalculatorBuilt, 3s));
  // Qt's coarse timers may fire up to 5% early.
  EXPECT_GE(clock.elapsed(), 3800);
  EXPECT_FALSE(about.Visible());
  auto& calc = ControlWnd::ControlWnd();
  EXPECT_TRUE(calc.Visible());
  EXPECT_EQ(calc.DOTyFld().Text(), "2024");
  EXPECT_FALSE(about.Timer1().Armed()) << "a one-shot timer";
}

}  // namespace
}  // namespace ui_test
