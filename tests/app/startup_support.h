#pragma once
// What the start-up tests share. Start-up runs once per process, so every scenario is its own
// executable. Its spies are class records registered before app::main() runs the program's
// initialisers: the runtime keeps the first record under a name, so the real initialiser then
// leaves the spy in place, and the product needs no switch of its own.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/menu.h"
#include "app/startup.h"
#include "platform/object.h"
#include "platform/runtime.h"
#include "platform/values.h"
#include "platform/window.h"

namespace app_test {

// Headless unless the caller chose a platform; it must be set before Qt starts.
inline void UseOffscreenUnlessTold() { setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0); }

// The lines of the text that start with the prefix.
inline std::size_t CountLinesStartingWith(std::string_view text, std::string_view prefix) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    if (text.substr(at, end - at).starts_with(prefix)) ++count;
    at = end + 1;
  }
  return count;
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
};

// The program's whole run, from its entry point, with its standard error kept. A start-up
// that wrongly goes on to open its window quits at once, so the test fails instead of waiting
// in the event loop.
inline FailedStartup RunStartupExpectingFailure() {
  UseOffscreenUnlessTold();
  RegisterWindowRecordReportingOpen([](platform::Object&) {
    ++WindowsOpened();
    platform::Quit(0);
  });
  platform::RuntimeAddFinalizer(&LookAtTheRuntime);
  testing::internal::CaptureStderr();
  const int status = app::main();
  return {status, testing::internal::GetCapturedStderr(), Seen(), WindowsOpened()};
}

// The default handling of an unhandled error writes one such line for each error it gets.
inline constexpr std::string_view kUnhandledErrorLine = "unhandled error:";

}  // namespace app_test
