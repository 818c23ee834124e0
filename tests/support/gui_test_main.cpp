// The main of every GUI test program: the tests run on real widgets without a display, the
// QApplication lives on the main thread, which is the one the widgets must be used from, and
// no modal box can hang a test. A folder that needs more set-up adds a GoogleTest Environment.

#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "tests/support/modal_watchdog.h"

int main(int argc, char** argv) {
  // A developer may still pick a platform (xcb to watch the tests); offscreen otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Text is measured in the fonts a fresh install ships, not in whatever else this machine has.
  if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) qputenv("FONTCONFIG_FILE", TAVREL_SHIPPED_FONTS);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // Beneath the tests' own watchdogs: a box that none of them watches fails the running test.
  const gui_test::ModalWatchdog everyBoxFails{gui_test::ModalWatchdog::FailEveryBox{}};
  return RUN_ALL_TESTS();
}
