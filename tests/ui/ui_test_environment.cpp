// What the window tests add to the shared GUI test main: the process as start-up leaves it for
// the windows, with the class records in place, only a quit ending the program (not its last
// window), and the application object with its menu bar.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/startup.h"
#include "platform/runtime.h"
#include "tests/ui/gui_support.h"

namespace {

class WindowTestEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    platform::RuntimeInit();
    platform::RuntimePerformInitializers(app::StaticInitializers());
    QApplication::setQuitOnLastWindowClosed(false);
    ui_test::RegisterTestApplication();
  }
};
testing::Environment* const kWindows = testing::AddGlobalTestEnvironment(new WindowTestEnvironment);

}  // namespace
