#pragma once
// Inside the platform only: what a Window holds.

#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"

class QAction;

namespace platform {

struct Window::Impl {
  std::unique_ptr<QWidget> host;  // a detail::WindowWidget
  QWidget* content = nullptr;     // the area controls are placed on, Width x Height
  bool constructed = false;
  // Declared after the host, so the controls go before the widgets they point to.
  std::vector<std::pair<std::string, std::shared_ptr<Object>>> controls;
  std::map<std::string, std::function<bool()>, std::less<>> menuHandlers;
  std::vector<std::pair<MenuItem*, QPointer<QAction>>> menuActions;
};

struct WindowAccess {
  static Window::Impl& Of(Window& window) { return *window.impl_; }
  static const Window::Impl& Of(const Window& window) { return *window.impl_; }
};

namespace detail {
// The application's menu bar belongs to every window that shows it: drawn on the window, or,
// where the frame has no room for a bar, present through its items' shortcuts alone.
void InstallMenuBar(Window& window, QWidget& host, bool drawn);
// Brings the drawn items' enabled state in line with the menu items.
void SyncMenuActions(Window& window);
// Takes a closed window out of the registry; it is released once no handler runs.
void Unregister(Window& window);
// Gives the controls their tab order (by TabIndex) and the first field the focus.
void OrderTabs(Window& window);
}  // namespace detail

}  // namespace platform
