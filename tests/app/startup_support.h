#pragma once
// What the start-up tests share. Start-up runs once per process, so every scenario is its own
// executable. Its spies are class records registered before app::main() runs the program's
// initialisers: the runtime keeps the first record under a name, so the real initialiser then
// leaves the spy in place, and the product needs no switch of its own.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/menu.h"
#include "app/startup.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/runtime.h"
#include "platform/values.h"
#include "platform/window.h"
#include "tests/support/modal_watchdog.h"

namespace app_test {

// Headless unless the caller chose a platform; it must be set before Qt starts.
inline void UseOffscreenUnlessTold() { setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0); }

// As on a machine without a desktop: no display named and no platform chosen.
inline void UseNoDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) unsetenv(name);
}

// An X display that no server answers: one no Xvfb of the other tests takes (they count up
// from 0) and that leaves no lock or socket of a server behind.
inline std::string UnansweredDisplay() {
  for (int number = 990; number < 1000; ++number) {
    const std::string n = std::to_string(number);
    if (!std::filesystem::exists("/tmp/.X" + n + "-lock") && !std::filesystem::exists("/tmp/.X11-unix/X" + n))
      return ":" + n;
  }
  ADD_FAILURE() << "every display from :990 to :999 seems taken";
  return ":999";
}

// As when the display a session named is gone: X11 chosen, the display named, no server there.
inline void UseUnansweredDisplay(const std::string& display) {
  UseNoDisplay();
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("DISPLAY", display.c_str(), 1);
}

// Every Qt application the program makes, and the message boxes shown while it lived: each
// one gets a watchdog of its own that records and dismisses the boxes, so a start-up that
// shows its error in a box ends instead of waiting for a user.
struct QtApplications {
  int made = 0;
  std::vector<std::string> boxes;
};

inline QtApplications& Made() {
  static QtApplications made;
  return made;
}

inline std::unique_ptr<gui_test::ModalWatchdog>& BoxWatchdog() {
  static std::unique_ptr<gui_test::ModalWatchdog> watchdog;
  return watchdog;
}

inline void WatchEveryQtApplication() {
  qAddPreRoutine([] {
    ++Made().made;
    BoxWatchdog() = std::make_unique<gui_test::ModalWatchdog>();
    // Post-routines run once, as the application goes; the next one gets its own.
    qAddPostRoutine([] {
      for (const gui_test::ModalWatchdog::Box& box : BoxWatchdog()->Take()) Made().boxes.push_back(box.text);
      BoxWatchdog().reset();
    });
  });
}

// The lines of the text for which the test holds.
template <class Test>
std::size_t CountLines(std::string_view text, Test holds) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    if (holds(text.substr(at, end - at))) ++count;
    at = end + 1;
  }
  return count;
}
inline std::size_t CountLinesStartingWith(std::string_view text, std::string_view prefix) {
  return CountLines(text, [prefix](std::string_view line) { return line.starts_with(prefix); });
}
inline std::size_t CountLinesEqualTo(std::string_view text, std::string_view wanted) {
  return CountLines(text, [wanted](std::string_view line) { return line == wanted; });
}

// The platform's window record as it stands, with Open bound as well. A window binds Open in
// its own record only (of the program's windows, only the calculator window does), so every
// other window reports here once it is built and shown.
inline void RegisterWindowRecordReportingOpen(void (*opened)(platform::Object& window)) {
  platform::RuntimeRegisterClass({.name = "Window",
                                  .events = {{"Open", "Opened", platform::PlainHandler(opened)}},
                                  .make = platform::MakerOf<platform::Window>()});
}

// What the runtime held when the finalisers ran: after the error step, and before the runtime
// lets go of the application object and of Qt, which makes a look afterwards say nothing.
struct AtFinalizers {
  bool ran = false;
  bool appObjectRegistered = false;
  bool qtApplicationMade = false;
  bool menuBarKept = false;
  bool calculatorBuilt = false;
  std::size_t fileTypesRegistered = 0;
};

inline AtFinalizers& Seen() {
  static AtFinalizers seen;
  return seen;
}

inline void LookAtTheRuntime() {
  Seen() = {.ran = true,
            .appObjectRegistered = platform::GetAppObject() != nullptr,
            .qtApplicationMade = QCoreApplication::instance() != nullptr,
            .menuBarKept = Menu::implicitInstance != nullptr,
            .calculatorBuilt = platform::GetImplicitWindow("ControlWnd.ControlWnd") != nullptr,
            .fileTypesRegistered = platform::RegisteredFileTypes().size()};
}

inline int& WindowsOpened() {
  static int opened = 0;
  return opened;
}

struct FailedStartup {
  int status;
  std::string standardError;
  AtFinalizers atFinalizers;
  int windowsOpened;
  QtApplications qt;
};

// The display the run is given: the offscreen platform, none, or an X display nobody answers.
struct Display {
  enum { Offscreen, None, Unanswered } kind = Offscreen;
  std::string name;  // Unanswered only
};

// The program's whole run, from its entry point, with its standard error kept. A start-up
// that wrongly goes on to open its window quits at once, so the test fails instead of waiting
// in the event loop.
inline FailedStartup RunStartupExpectingFailure(const Display& display = {}) {
  switch (display.kind) {
    case Display::Offscreen: UseOffscreenUnlessTold(); break;
    case Display::None: UseNoDisplay(); break;
    case Display::Unanswered: UseUnansweredDisplay(display.name); break;
  }
  WatchEveryQtApplication();
  RegisterWindowRecordReportingOpen([](platform::Object&) {
    ++WindowsOpened();
    platform::Quit(0);
  });
  platform::RuntimeAddFinalizer(&LookAtTheRuntime);
  testing::internal::CaptureStderr();
  const int status = app::main();
  return {status, testing::internal::GetCapturedStderr(), Seen(), WindowsOpened(), Made()};
}

// The box the default handling of an unhandled error shows.
inline std::string ErrorBoxText(std::string_view what) {
  return "An unexpected error occurred:\n\n" + std::string(what);
}

// A menu bar that fails in its third builder, after two menus are in place, as a platform call
// might. Registered before start-up, it takes the place of the program's own.
inline constexpr const char* kMenuBarFailure = "the Edit menu could not be built";
class FailingMenu : public Menu::Menu {
 public:
  void Untitled2() override { throw platform::RuntimeException(kMenuBarFailure); }
};
inline void MakeTheMenuBarFail() {
  platform::RuntimeRegisterClass(
      {.name = "Menu.Menu", .base = &platform::MenuBar::Lookup(), .make = platform::MakerOf<FailingMenu>()});
}

// The default handling of an unhandled error writes one such line for each error it gets.
inline constexpr std::string_view kUnhandledErrorLine = "unhandled error:";

// The line that says no display could be opened, naming it, as the program writes it: after the
// program's name, as the system's own tools do.
inline std::string NoDisplayLine(const Display& display) {
  const std::string what = display.kind == Display::None ? "cannot open a display: DISPLAY is not set"
                                                         : "cannot open display \"" + display.name + "\"";
  return std::string(program_invocation_short_name) + ": " + what;
}

// A start-up error where no display would take the error box: standard error alone tells of the
// error and of the display, and the status is 1; Qt, which would abort, is never started.
inline void ExpectTheErrorToldWithoutABox(const Display& display) {
  MakeTheMenuBarFail();

  const FailedStartup run = RunStartupExpectingFailure(display);

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(CountLinesStartingWith(run.standardError, kUnhandledErrorLine), 1u) << run.standardError;
  EXPECT_NE(run.standardError.find(kMenuBarFailure), std::string::npos) << run.standardError;
  EXPECT_EQ(CountLinesEqualTo(run.standardError, NoDisplayLine(display)), 1u) << run.standardError;
  EXPECT_EQ(run.qt.made, 0);
  EXPECT_TRUE(run.qt.boxes.empty());
  EXPECT_TRUE(run.atFinalizers.ran);
}

}  // namespace app_test
