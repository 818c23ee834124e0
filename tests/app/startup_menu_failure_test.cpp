// A menu bar that fails to build ends start-up at that step: the application object is never
// registered, the error is handled once, the event loop never runs, and the process still
// runs its finalisers and ends with a status that tells of the error.

#include <memory>

#include <gtest/gtest.h>

#include "app/menu.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "tests/app/startup_support.h"

namespace {

constexpr const char* kFailure = "the Edit menu could not be built";

// Fails in its third builder, after two menus are in place, as a platform call might.
class FailingMenu : public Menu::Menu {
 public:
  void Untitled2() override { throw platform::RuntimeException(kFailure); }
};

TEST(StartupWhenTheMenuBarFails, EndsAtTheErrorStepAndStillFinalises) {
  platform::RuntimeRegisterClass(
      {.name = "Menu.Menu", .base = &platform::MenuBar::Lookup(), .make = platform::MakerOf<FailingMenu>()});

  const app_test::FailedStartup run = app_test::RunStartupExpectingFailure();

  EXPECT_NE(run.status, 0);
  EXPECT_EQ(app_test::CountLinesStartingWith(run.standardError, app_test::kUnhandledErrorLine), 1u)
      << run.standardError;
  EXPECT_NE(run.standardError.find(kFailure), std::string::npos) << run.standardError;
  EXPECT_EQ(run.windowsOpened, 0);
  ASSERT_TRUE(run.atFinalizers.ran);
  EXPECT_FALSE(run.atFinalizers.appObjectRegistered);
  EXPECT_FALSE(run.atFinalizers.menuBarKept) << "a bar that failed to build must not be kept";
  // The Qt application is made by the framework's initialisation, which comes before the
  // event loop and any window; its absence shows that neither ran.
  EXPECT_FALSE(run.atFinalizers.qtApplicationMade);
  EXPECT_EQ(run.atFinalizers.fileTypesRegistered, 2u) << "what was done before the error stays done";
}

}  // namespace
