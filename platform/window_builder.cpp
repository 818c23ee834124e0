#include "platform/window_builder.h"

namespace platform {

void LayOutWindow(Window& window, const WindowDescription& description) {
  SetProperties(window, description.properties);
  if (!description.accessibleName.empty()) window.SetAccessibleName(description.accessibleName);
}

void BuildControls(Window& window, const std::vector<ControlDescription>& controls) {
  for (const ControlDescription& description : controls) {
    const ClassRecord& cls = description.cls();
    std::shared_ptr<Object> control = window.New(cls);
    RuntimeCheckCast<Control>(control).Constructor();
    window.AddControl(description.name, std::move(control));
    if (description.picture != nullptr)
      RuntimeCheckCast<Canvas>(window.ControlByName(description.name)).SetBackdrop(description.picture());
    SetProperties(RuntimeCheckCast<Control>(&RuntimeCheckCast(window.ControlByName(description.name), cls)),
                  description.properties);
    if (!description.accessibleName.empty())
      RuntimeCheckCast<RectControl>(window.ControlByName(description.name))
          .SetAccessibleName(description.accessibleName);
    for (const EventWiring& wiring : description.events)
      RuntimeAddEventHandler(RuntimeCheckCast<Control>(window.ControlByName(description.name)), wiring.event,
                             wiring.makeDelegate(window));
  }
}

}  // namespace platform
