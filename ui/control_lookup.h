#pragma once
// A window's control found by its name and checked to be of the class the caller expects.
// The window is the only holder of its controls, so every accessor asks again.

#include <string_view>

#include "platform/object.h"
#include "platform/window.h"

namespace ui {

// Raises NilObjectException when the window has no control of that name, and
// IllegalCastException when it is of another class.
template <class C>
C& ControlNamed(const platform::Window& window, std::string_view name) {
  return platform::RuntimeCheckCast<C>(window.ControlByName(name));
}

}  // namespace ui
