#pragma once
// Inside the platform only: how the desktop knows the program's windows.

namespace platform::detail {

// Names the desktop entry the program is installed with, by which task bars and window switchers
// match its windows to the entry, and gives every window the entry's icon as installed with the
// program. Does nothing without Qt's GUI application.
void ApplyDesktopIdentity();

}  // namespace platform::detail
