#pragma once
// The one window of a class: the window the registry holds under the class name, built first
// when there is none. Nothing is kept here; the registry alone remembers the instance, and a
// window that exists is returned as it is, shown or hidden.

#include <memory>
#include <string_view>

#include "platform/object.h"
#include "platform/window.h"

namespace ui {

template <class W>
W& ImplicitInstance(std::string_view className) {
  std::shared_ptr<platform::Object> window = platform::GetImplicitWindow(className);
  if (!window) {
    // Building raises Layout, CreateControls and AddMenuHandlers; Visible True in the window's
    // properties shows it, and the registry keeps it from then on.
    window = platform::RuntimeNewObject(W::Lookup());
    platform::RuntimeCheckCast<platform::Window>(window).Constructor();
  }
  return platform::RuntimeCheckCast<W>(window);
}

}  // namespace ui
