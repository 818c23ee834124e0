// What the window tests add to the shared GUI test main: the process as start-up leaves it for
// the windows, with the class records in place, only a quit ending the program (not its last
// window), and the application object with its About item.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/runtime.h"
#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace {

class WindowTestEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    platform::RuntimeInit();
    const platform::Initializer records[] = {&ControlWnd::ControlWnd::ctblinit, &AboutWnd::_wrapper_Timer1::ctblinit,
                                             &AboutWnd::AboutWnd::ctblinit};
    platform::RuntimePerformInitializers(records);
    QApplication::setQuitOnLastWindowClosed(false);
    ui_test::RegisterTestApplication();
  }
};
testing::Environment* const kWindows = testing::AddGlobalTestEnvironment(new WindowTestEnvironment);

}  // namespace
