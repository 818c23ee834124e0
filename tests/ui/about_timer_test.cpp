// The About window left alone: its one-shot timer hands over after 4000 ms, not before.

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
