// The timer control: it counts from the moment its block gives it a run mode; mode 1 fires once,
// mode 0 never, mode 2 again and again, whatever order Period and RunMode come in.

#include <gtest/gtest.h>

#include <QTest>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;

struct TimerRow {
  const char* name;
  platform::PropertyBlock block;
  int atLeast, atMost;  // firings within the wait
};

class TimerFiring : public gui_test::WatchedTableTest<TimerRow> {};

TEST_P(TimerFiring, FiresAsItsRunModeSays) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Clock("Timer1", GetParam().block)});
  w.Open();
  const auto fired = [&] { return int(w->controlEvents.size()); };
  if (GetParam().atLeast > 0) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired() >= GetParam().atLeast; }, 2000));
  }
  QTest::qWait(300);  // six periods more: a timer that fires too often shows it here
  EXPECT_GE(fired(), GetParam().atLeast);
  EXPECT_LE(fired(), GetParam().atMost);
  for (platform::Control* control : w->eventControls) EXPECT_EQ(control, w->ControlByName("Timer1"));
}

INSTANTIATE_TEST_SUITE_P(
    RunMode, TimerFiring,
    testing::Values(
        TimerRow{"one_shot_fires_once", {{"Period", 50}, {"RunMode", 1}}, 1, 1},
        TimerRow{"one_shot_given_its_mode_first_fires_once", {{"RunMode", 1}, {"Period", 50}}, 1, 1},
        TimerRow{"off_never_fires", {{"Period", 50}, {"RunMode", 0}}, 0, 0},
        TimerRow{"switched_off_after_arming_never_fires", {{"Period", 50}, {"RunMode", 1}, {"RunMode", 0}}, 0, 0},
        TimerRow{"multiple_fires_again_and_again", {{"Period", 50}, {"RunMode", 2}}, 3, 100}),
    RowName());

class TimerWhileHidden : public gui_test::WatchedTest {};

TEST_F(TimerWhileHidden, OneShotStillFiresOnce) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Clock("Timer1", {{"Period", 50}, {"RunMode", 1}})});
  w.Open();
  w->Hide();
  EXPECT_TRUE(QTest::qWaitFor([&] { return w->controlEvents.size() == 1; }, 2000));
  EXPECT_FALSE(w->Get<platform::Timer>("Timer1").Armed());
}

}  // namespace
}  // namespace platform_test
