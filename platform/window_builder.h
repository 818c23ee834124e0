#pragma once
// A window described as data, and the one builder that reads the description.
//
// The window's own part, read while it lays itself out: its property block, then its accessible
// name.
//
// For each control, in order: the window allocates it, it is constructed and added under its
// name; a canvas gets its picture; then its property block is set, it gets its accessible name,
// and its events are wired to methods of the window. Every step after the first finds the
// control again by its name, so the window is the only holder of its controls.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/object.h"
#include "platform/property.h"
#include "platform/values.h"
#include "platform/window.h"

namespace platform {

struct WindowDescription {
  PropertyBlock properties;
  // What a screen reader calls the window; empty leaves the platform's own (the title).
  std::string accessibleName;
};

void LayOutWindow(Window& window, const WindowDescription& description);

struct EventWiring {
  std::string event;
  std::function<Delegate(Window&)> makeDelegate;
};

// Wires a control event to a method of window class W, taking the control as a C.
template <class W, class C>
EventWiring Wire(std::string event, void (W::*handler)(C&)) {
  return {std::move(event),
          [handler](Window& window) { return RuntimeCreateDelegate(handler, RuntimeCheckCast<W>(&window)); }};
}

struct ControlDescription {
  std::string name;
  const ClassRecord& (*cls)();
  PictureAccessor picture = nullptr;  // canvases only: the backdrop, set before the properties
  PropertyBlock properties;
  std::vector<EventWiring> events;
  // What a screen reader says for the control; empty leaves the platform's own (a label's text).
  std::string accessibleName;
};

void BuildControls(Window& window, const std::vector<ControlDescription>& controls);

}  // namespace platform
