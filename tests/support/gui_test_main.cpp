// The main of every GUI test program: the tests run on real widgets without a display, and the
// QApplication lives on the main thread, which is the one the widgets must be used from.

#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

int main(int argc, char** argv) {
  // A developer may still pick a platform (xcb to watch the tests); offscreen otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
