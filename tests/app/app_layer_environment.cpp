// What the application layer's window tests share: the process as start-up leaves it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>

#include "app/startup.h"
#include "platform/runtime.h"

namespace {

// The process as start-up leaves it for the windows: the class records made by the program's
// own initialisers, and only a quit ending the program, not its last window. The windows are
// let go while Qt still runs, as the runtime's finalisers do at the end of a real run.
class AppLayerEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    platform::RuntimeInit();
    platform::RuntimePerformInitializers(app::StaticInitializers());
    EXPECT_FALSE(platform::RuntimePendingException()) << "an initialiser failed";
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void TearDown() override {
    platform::RuntimePerformFinalizers();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};
testing::Environment* const kAppLayer = testing::AddGlobalTestEnvironment(new AppLayerEnvironment);

}  // namespace
