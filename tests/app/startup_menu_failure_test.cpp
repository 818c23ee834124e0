// A menu bar that fails to build ends start-up at that step: the application object is never
// registered, the error is handled once, in a box as well as on standard error, the event loop
// never runs, and the process still runs its finalisers and ends with status 1.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/startup_support.h"

namespace {

using app_test::kMenuBarFailure;

TEST(StartupWhenTheMenuBarFails, EndsAtTheErrorStepShowsTheErrorAndStillFinalises) {
  app_test::MakeTheMenuBarFail();

  const app_test::FailedStartup run = app_test::RunStartupExpectingFailure();

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(app_test::CountLinesStartingWith(run.standardError, app_test::kUnhandledErrorLine), 1u)
      << run.standardError;
  EXPECT_NE(run.standardError.find(kMenuBarFailure), std::string::npos) << run.standardError;
  // The error comes before start-up makes Qt's application: one is made for the box alone, the
  // box is shown and dismissed, and the application is gone again before the finalisers.
  EXPECT_EQ(run.qt.made, 1);
  EXPECT_EQ(run.qt.boxes, std::vector<std::string>{app_test::ErrorBoxText(kMenuBarFailure)});
  EXPECT_EQ(run.windowsOpened, 0);
  ASSERT_TRUE(run.atFinalizers.ran);
  EXPECT_FALSE(run.atFinalizers.appObjectRegistered);
  EXPECT_FALSE(run.atFinalizers.menuBarKept) << "a bar that failed to build must not be kept";
  // The framework's initialisation keeps its Qt application until after the finalisers; none
  // there shows that it, the event loop and any window never came.
  EXPECT_FALSE(run.atFinalizers.qtApplicationMade);
  EXPECT_EQ(run.atFinalizers.fileTypesRegistered, 2u) << "what was done before the error stays done";
}

}  // namespace
