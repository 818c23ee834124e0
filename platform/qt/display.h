#pragma once
// Inside the platform only: whether Qt's application will find its display.

#include <optional>
#include <string>

namespace platform::detail {

// Why the X display that Qt would use cannot be opened, in a few words that name it, or nothing
// when it can. Qt would abort the process instead of failing. A platform other than X11 (a
// Wayland session, QT_QPA_PLATFORM=offscreen) is Qt's to judge, and gives nothing here.
std::optional<std::string> DisplayProblem();

}  // namespace platform::detail
