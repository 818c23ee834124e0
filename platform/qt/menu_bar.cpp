#include <QAction>
#include <QKeySequence>
#include <QLayout>
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

// An item the user can choose: its action runs the window's handler for the item's name.
QAction* NewItemAction(Window& window, MenuItem& item, QObject* owner) {
  auto* action = new QAction(ToQString(item.Value()), owner);
  action->setShortcut(ToKeySequence(item.Shortcut()));
  action->setEnabled(item.AutoEnabled());
  Window* w = &window;
  MenuItem* chosen = &item;
  QObject::connect(action, &QAction::triggered, [w, chosen] { Dispatch(w, [w, chosen] { w->ChooseMenuItem(*chosen); }); });
  WindowAccess::Of(window).menuActions.emplace_back(&item, action);
  return action;
}

bool Drawn(const MenuItem& item) { return item.Visible() && !item.Value().empty(); }  // an empty caption is not drawn

void AddItems(Window& window, QMenu& menu, MenuItem& parent) {
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    MenuItem& item = parent.Item(i);
    if (!Drawn(item)) continue;
    if (item.Value() == "-") {
      menu.addSeparator();
    } else if (item.Count() > 0) {
      AddItems(window, *menu.addMenu(ToQString(item.Value())), item);
    } else {
      menu.addAction(NewItemAction(window, item, &menu));
    }
  }
}

void DrawMenuBar(Window& window, QWidget& host, MenuBar& menus) {
  auto* bar = new QMenuBar(&host);
  bar->setNativeMenuBar(false);
  for (std::size_t i = 0; i < menus.Count(); ++i) {
    MenuItem& top = menus.Item(i);
    if (!Drawn(top)) continue;
    QMenu* menu = bar->addMenu(ToQString(top.Value()));
    Window* w = &window;
    QObject::connect(menu, &QMenu::aboutToShow, [w] { Dispatch(w, [w] { w->EnableMenuItems(); }); });
    AddItems(window, *menu, top);
  }
  host.layout()->setMenuBar(bar);
}

// The keys of the items a drawn bar would show, without drawing anything.
void AddShortcuts(Window& window, QWidget& host, MenuItem& parent) {
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    MenuItem& item = parent.Item(i);
    if (!Drawn(item)) continue;
    if (item.Count() > 0)
      AddShortcuts(window, host, item);
    else if (!item.Shortcut().empty())
      host.addAction(NewItemAction(window, item, &host));
  }
}
}  // namespace

void InstallMenuBar(Window& window, QWidget& host, bool drawn) {
  Application* app = GetAppObject();
  if (app == nullptr || app->MenuBar() == nullptr) return;
  if (drawn)
    DrawMenuBar(window, host, *app->MenuBar());
  else
    AddShortcuts(window, host, *app->MenuBar());
}

void SyncMenuActions(Window& window) {
  for (auto& [item, action] : WindowAccess::Of(window).menuActions)
    if (action != nullptr) action->setEnabled(item->Enabled());
}

}  // namespace platform::detail
