// A start-up error on a machine without a display: standard error alone tells of it, since a
// Qt application made for a box would abort the process there, and the status is still 1.

#include <gtest/gtest.h>

#include "tests/app/startup_support.h"

namespace {

TEST(StartupFailureWithoutADisplay, TellsStandardErrorAloneAndEndsWithOne) {
  app_test::MakeTheMenuBarFail();

  const app_test::FailedStartup run = app_test::RunStartupExpectingFailure(app_test::Display::None);

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(app_test::CountLinesStartingWith(run.standardError, app_test::kUnhandledErrorLine), 1u)
      << run.standardError;
  EXPECT_NE(run.standardError.find(app_test::kMenuBarFailure), std::string::npos) << run.standardError;
  EXPECT_EQ(run.qt.made, 0);
  EXPECT_TRUE(run.qt.boxes.empty());
  EXPECT_TRUE(run.atFinalizers.ran);
}

}  // namespace
