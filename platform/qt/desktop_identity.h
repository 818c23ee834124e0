#pragma once
// Inside the platform only: the desktop identity handed to Qt.

#include "platform/application.h"

namespace platform::detail {

// Names the desktop entry the windows belong to and gives every window the icon. A picture that
// does not load leaves the windows with whatever icon the desktop gives them.
void ApplyDesktopIdentity(const DesktopIdentity& identity);

}  // namespace platform::detail
