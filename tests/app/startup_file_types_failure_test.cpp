// File types that cannot be built end start-up before the application object exists, with
// the same error step as any other start-up failure: the error on standard error and in a box.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tavrel.h"
#include "platform/application.h"
#include "platform/object.h"
#include "platform/values.h"
#include "tests/app/startup_support.h"

namespace {

constexpr const char* kFailure = "no file type can be made";

int applicationObjectsMade = 0;

TEST(StartupWhenTheFileTypesFail, MakesNoApplicationObjectAndStillFinalises) {
  // Registered before the platform's own record, so creating the first type fails.
  platform::RuntimeRegisterClass({.name = "FileType",
                                  .make = []() -> std::shared_ptr<platform::Object> {
                                    throw platform::RuntimeException(kFailure);
                                  }});
  platform::RuntimeRegisterClass({.name = "Tavrel",
                                  .base = &platform::Application::Lookup(),
                                  .make = [] {
                                    ++applicationObjectsMade;
                                    return std::make_shared<Tavrel>();
                                  }});

  const app_test::FailedStartup run = app_test::RunStartupExpectingFailure();

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(app_test::CountLinesStartingWith(run.standardError, app_test::kUnhandledErrorLine), 1u)
      << run.standardError;
  EXPECT_NE(run.standardError.find(kFailure), std::string::npos) << run.standardError;
  EXPECT_EQ(run.qt.made, 1) << "a Qt application for the error's box alone";
  EXPECT_EQ(run.qt.boxes, std::vector<std::string>{app_test::ErrorBoxText(kFailure)});
  EXPECT_EQ(applicationObjectsMade, 0);
  EXPECT_EQ(run.windowsOpened, 0);
  ASSERT_TRUE(run.atFinalizers.ran);
  EXPECT_FALSE(run.atFinalizers.appObjectRegistered);
  EXPECT_FALSE(run.atFinalizers.qtApplicationMade);
  EXPECT_EQ(run.atFinalizers.fileTypesRegistered, 0u);
}

}  // namespace
