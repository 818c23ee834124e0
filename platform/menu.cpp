#include "platform/menu.h"

#include "platform/runtime.h"
#include "platform/qt/edit_commands.h"

namespace platform {

const ClassRecord& MenuItem::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "MenuItem", .make = MakerOf<MenuItem>()});
  return record;
}
const ClassRecord& MenuBar::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "MenuBar", .base = &MenuItem::Lookup(), .make = MakerOf<MenuBar>()});
  return record;
}
const ClassRecord& QuitMenuItem::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "QuitMenuItem", .base = &MenuItem::Lookup(), .make = MakerOf<QuitMenuItem>()});
  return record;
}
const ClassRecord& AppleMenuItem::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "AppleMenuItem", .base = &MenuItem::Lookup(), .make = MakerOf<AppleMenuItem>()});
  return record;
}

void MenuItem::SetShortcut(std::string shortcut) {
  shortcut_ = std::move(shortcut);
  shortcutSet_ = true;
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
  if (item == nullptr) throw NilObjectException("nil menu item added to " + name_);
  children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_)
    if (child->Name() == name) return child.get();
  return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
    if (MenuItem* found = child->Lookup(name)) return found;
  }
  return nullptr;
}

bool MenuItem::BuiltInAction(Window& active) { return detail::ServeEditCommand(active, name_); }

bool QuitMenuItem::BuiltInAction(Window&) {
  Quit(0);
  return true;
}

}  // namespace platform
