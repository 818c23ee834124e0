// A start-up error where the X display named is gone: the error box cannot be shown there, so
// standard error alone tells of the error and names the display, and the status is still 1.

#include <gtest/gtest.h>

#include "tests/app/startup_support.h"

namespace {

TEST(StartupFailureOnADisplayThatDoesNotAnswer, TellsStandardErrorAloneAndEndsWithOne) {
  app_test::ExpectTheErrorToldWithoutABox(
      {.kind = app_test::Display::Unanswered, .name = app_test::UnansweredDisplay()});
}

}  // namespace
