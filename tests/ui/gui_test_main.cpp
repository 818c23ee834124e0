// The window tests' main: headless unless told otherwise, the QApplication on the main thread,
// the class records in place as start-up leaves them, and no modal box left to hang a test.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/runtime.h"
#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);

  platform::RuntimeInit();
  const platform::Initializer records[] = {&ControlWnd::ControlWnd::ctblinit, &AboutWnd::_wrapper_Timer1::ctblinit,
                                           &AboutWnd::AboutWnd::ctblinit};
  platform::RuntimePerformInitializers(records);

  QApplication app(argc, argv);
  // As the runtime's own start-up does: only a quit ends the program, not its last window.
  app.setQuitOnLastWindowClosed(false);
  ui_test::RegisterTestApplication();
  ui_test::InstallModalWatchdog();
  return RUN_ALL_TESTS();
}
