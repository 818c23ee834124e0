// Ctrl+Q while the About window is in front, before it hands over: the About window has no
// drawn menu bar, yet the application's Quit shortcut works there. The program ends with
// status 0 and the calculator window is never built, so it never shows.

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/window.h"
#include "tests/app/startup_support.h"

namespace {

bool keyPressed = false;

// The About window is the only window that reports here (see RegisterWindowRecordReportingOpen).
void AboutOpened(platform::Object& object) {
  ++app_test::WindowsOpened();
  QWidget* about = static_cast<platform::Window&>(object).Widget();
  QTimer::singleShot(0, [about] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    keyPressed = true;
    QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
  });
  // Well before the About window's own hand-over at 4 s.
  QTimer::singleShot(2500, [] {
    ADD_FAILURE() << "Ctrl+Q in the About window did not quit";
    platform::Quit(9);
  });
}

TEST(StartupQuitFromTheAboutWindow, CtrlQEndsWithZeroAndNeverShowsTheCalculator) {
  app_test::UseOffscreenUnlessTold();
  app_test::RegisterWindowRecordReportingOpen(&AboutOpened);
  platform::RuntimeAddFinalizer(&app_test::LookAtTheRuntime);

  const int status = app::main();

  EXPECT_TRUE(keyPressed);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(app_test::WindowsOpened(), 1);
  ASSERT_TRUE(app_test::Seen().ran);
  EXPECT_FALSE(app_test::Seen().calculatorBuilt);
}

}  // namespace
