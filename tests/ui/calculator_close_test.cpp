// Closing the calculator window quits the program with status 0, also while the About window
// is up. The closed window is gone for the process, so this runs on its own.

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include "platform/runtime.h"
#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace ui_test {
namespace {

TEST(CalculatorWindowClose, QuitsWithStatusZero) {
  QuietAboutWindow().Show();
  auto& calc = ControlWnd::ControlWnd();
  // An earlier status, so that 0 afterwards is the close's doing.
  platform::Quit(3);
  platform::RuntimeRun();
  ASSERT_EQ(platform::RuntimeExit(), 3);

  calc.Widget()->close();  // as the close button does; the window is released with it
  // With the quit pending the loop returns at once; without one this ends it with 42.
  QTimer::singleShot(3000, [] { platform::Quit(42); });
  platform::RuntimeRun();
  EXPECT_EQ(platform::RuntimeExit(), 0);
}

}  // namespace
}  // namespace ui_test
