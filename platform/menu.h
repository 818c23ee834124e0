#pragma once
// Menu items form a tree under the application's MenuBar. Items are bound to code only by
// their Name: choosing one runs the handler the active window bound to that name. The bar is
// drawn as a Qt menu bar on each document window, and its shortcuts work in every window that
// shows the menu bar, drawn or not; "Cmd+" shortcuts mean Ctrl+ here, an item with an empty
// caption is not drawn, and the caption "-" is a separator. Like every other part of the user
// interface, items are used from the main thread only.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/object.h"

namespace platform {

class Window;

class MenuItem : public Object {
 public:
  static const ClassRecord& Lookup();
  virtual void Constructor() {}

  const std::string& Name() const;
  void SetName(std::string name);
  const std::string& Value() const;  // the caption
  void SetValue(std::string caption);
  bool AutoEnabled() const;
  void SetAutoEnabled(bool on);
  bool Visible() const;
  void SetVisible(bool on);
  const std::string& Shortcut() const;
  bool ShortcutWasSet() const;
  void SetShortcut(std::string shortcut);
  bool Enabled() const;
  void SetEnabled(bool on);

  void AddMenu(std::shared_ptr<MenuItem> item);  // appends as the last child
  std::size_t Count() const;
  MenuItem& Item(std::size_t index) const;
  MenuItem* Child(std::string_view name) const;   // a direct child, or nullptr
  MenuItem* Lookup(std::string_view name) const;  // anywhere below, or nullptr

  // What choosing the item does when no window handler takes it; returns whether it acted.
  virtual bool BuiltInAction(Window& active);

 private:
  std::string name_, value_, shortcut_;
  bool autoEnabled_ = false, visible_ = true, enabled_ = false, shortcutSet_ = false;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
 public:
  static const ClassRecord& Lookup();
  using MenuItem::Lookup;
};

class QuitMenuItem : public MenuItem {
 public:
  static const ClassRecord& Lookup();
  using MenuItem::Lookup;
  bool BuiltInAction(Window& active) override;  // quits with exit code 0
};

class AppleMenuItem : public MenuItem {
 public:
  static const ClassRecord& Lookup();
  using MenuItem::Lookup;
};

}  // namespace platform
