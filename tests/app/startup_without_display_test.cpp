// A start-up error on a machine without a display: standard error alone tells of it and of the
// missing display, since a Qt application made for a box would abort the process there, and the
// status is still 1.

#include <gtest/gtest.h>

#include "tests/app/startup_support.h"

namespace {

TEST(StartupFailureWithoutADisplay, TellsStandardErrorAloneAndEndsWithOne) {
  app_test::ExpectTheErrorToldWithoutABox({.kind = app_test::Display::None});
}

}  // namespace
