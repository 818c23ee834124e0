#pragma once
// Windows: built from a class record's bound events, kept in the registry of windows under
// their class name, and drawn by Qt.
//
// Window::Constructor raises, in this order: Layout (the window's property block and name),
// CreateControls (its controls and their event bindings), AddMenuHandlers (its menu
// bindings). It then registers the window, gives it the application's menu bar (drawn on a
// document frame, its shortcuts alone on any other), shows the window when its properties say
// Visible, and raises Open: the controls exist by then. Later events (Activate, Close,
// KeyDown, MouseDown, MouseExit, EnableMenuItems) come from Qt and reach the record's bindings
// through one dispatch that keeps every exception out of Qt's event loop.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/object.h"
#include "platform/property.h"

class QWidget;

namespace platform {

class Control;
class MenuItem;

class Window : public PropertyHolder {
 public:
  static const ClassRecord& Lookup();
  Window();
  ~Window() override;

  void Constructor();
  void Show();
  void Hide();   // hides; the window stays built and registered
  void Close();  // raises Close; a window without a close button cannot be closed
  bool Visible() const;
  std::string Title() const;
  // The name a screen reader announces, where the title does not say it (an untitled dialog).
  void SetAccessibleName(const std::string& name);

  // A new control object of the class, allocated for this window, not yet constructed.
  std::shared_ptr<Object> New(const ClassRecord& controlClass);
  void AddControl(const std::string& name, std::shared_ptr<Object> control);
  Object* ControlByName(std::string_view name) const;  // nullptr when there is none
  std::size_t ControlCount() const;

  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  bool HasMenuHandler(std::string_view itemName) const;
  // Runs the handler bound to the item's name, else the item's built-in action.
  void ChooseMenuItem(MenuItem& item);
  // What happens before a menu opens: AutoEnabled items enabled, the others disabled,
  // then EnableMenuItems raised.
  void EnableMenuItems();

  // The Qt window, for the platform and for tests that drive it with real input.
  QWidget* Widget() const;

  struct Impl;  // the platform's own

 protected:
  const PropertyTable& Properties() const override;

 private:
  friend struct WindowAccess;
  std::unique_ptr<Impl> impl_;
};

// The registry of windows: the window built under the class name and not closed, or nullptr.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);

}  // namespace platform
