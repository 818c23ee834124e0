#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "platform/application.h"
#include "platform/menu.h"
#include "platform/runtime.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/qt_values.h"
#include "platform/qt/window_impl.h"

namespace platform::detail {

namespace {
// Shortcuts are written for another desktop: its Cmd key is Ctrl here.
QKeySequence ToKeySequence(std::string shortcut) {
  if (shortcut.starts_with("Cmd+")) shortcut.replace(0, 3, "Ctrl");
  return QKeySequence::fromString(ToQString(shortcut), QKeySequence::PortableText);
}

void AddItems(Window& window, QMenu& menu, MenuItem& parent) {
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    MenuItem& item = parent.Item(i);
    if (!item.Visible() || item.Value().empty()) continue;  // an empty caption is not drawn
    if (item.Value() == "-") {
      menu.addSeparator();
    } else if (item.Count() > 0) {
      AddItems(window, *menu.addMenu(ToQString(item.Value())), item);
    } else {
      QAction* action = menu.addAction(ToQString(item.Value()));
      action->setShortcut(ToKeySequence(item.Shortcut()));
      MenuItem* chosen = &item;
      Window* w = &window;
      QObject::connect(action, &QAction::triggered, [w, chosen] { Dispatch(w, [w, chosen] { w->ChooseMenuItem(*chosen); }); });
      WindowAccess::Of(window).menuActions.emplace_back(&item, action);
    }
  }
}
}  // namespace

void BuildMenuBar(Window& window, QMenuBar& bar) {
  MenuBar& menus = *GetAppObject()->MenuBar();
  for (std::size_t i = 0; i < menus.Count(); ++i) {
    MenuItem& top = menus.Item(i);
    if (!top.Visible() || top.Value().empty()) continue;
    QMenu* menu = bar.addMenu(ToQString(top.Value()));
    Window* w = &window;
    QObject::connect(menu, &QMenu::aboutToShow, [w] { Dispatch(w, [w] { w->EnableMenuItems(); }); });
    AddItems(window, *menu, top);
  }
  for (auto& [item, action] : WindowAccess::Of(window).menuActions) action->setEnabled(item->AutoEnabled());
}

void SyncMenuActions(Window& window) {
  for (auto& [item, action] : WindowAccess::Of(window).menuActions)
    if (action != nullptr) action->setEnabled(item->Enabled());
}

}  // namespace platform::detail
