#include "platform/menu.h"

#include "platform/qt/dispatch.h"
#include "platform/qt/edit_commands.h"
#include "platform/runtime.h"

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

const std::string& MenuItem::Name() const { return detail::ReadOnMainThread(name_); }
void MenuItem::SetName(std::string name) { detail::WriteOnMainThread(name_, std::move(name)); }
const std::string& MenuItem::Value() const { return detail::ReadOnMainThread(value_); }
void MenuItem::SetValue(std::string caption) { detail::WriteOnMainThread(value_, std::move(caption)); }
bool MenuItem::AutoEnabled() const { return detail::ReadOnMainThread(autoEnabled_); }
void MenuItem::SetAutoEnabled(bool on) { detail::WriteOnMainThread(autoEnabled_, on); }
bool MenuItem::Visible() const { return detail::ReadOnMainThread(visible_); }
void MenuItem::SetVisible(bool on) { detail::WriteOnMainThread(visible_, on); }
const std::string& MenuItem::Shortcut() const { return detail::ReadOnMainThread(shortcut_); }
bool MenuItem::ShortcutWasSet() const { return detail::ReadOnMainThread(shortcutSet_); }
void MenuItem::SetShortcut(std::string shortcut) {
  detail::RequireMainThread();
  shortcut_ = std::move(shortcut);
  shortcutSet_ = true;
}
bool MenuItem::Enabled() const { return detail::ReadOnMainThread(enabled_); }
void MenuItem::SetEnabled(bool on) { detail::WriteOnMainThread(enabled_, on); }

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
  detail::RequireMainThread();
  if (item == nullptr) throw NilObjectException("nil menu item added to " + name_);
  children_.push_back(std::move(item));
}

std::size_t MenuItem::Count() const { return detail::ReadOnMainThread(children_).size(); }
MenuItem& MenuItem::Item(std::size_t index) const { return *detail::ReadOnMainThread(children_).at(index); }

MenuItem* MenuItem::Child(std::string_view name) const {
  detail::RequireMainThread();
  for (const auto& child : children_)
    if (child->name_ == name) return child.get();
  return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) const {
  detail::RequireMainThread();
  for (const auto& child : children_) {
    if (child->name_ == name) return child.get();
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
