#pragma once
// The Edit menu's standard commands, served by the platform for the focused text field, as a
// desktop user expects, without the program binding them. They are known by item name.

#include <string_view>

namespace platform {
class Window;
}

namespace platform::detail {

// Whether the item names a standard edit command that can act on the window's focus now.
bool EditCommandAvailable(const Window& window, std::string_view itemName);
// Carries the command out; false when the name is no edit command or nothing can take it.
bool ServeEditCommand(Window& window, std::string_view itemName);

}  // namespace platform::detail
