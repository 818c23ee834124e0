#include "app/menu.h"

#include <optional>
#include <string>

#include "app/tavrel.h"
#include "platform/runtime.h"
#include "ui/about_item.h"

namespace Menu {

namespace {
constexpr const char* kClassName = "Menu.Menu";

struct ItemRow {
  int builder;         // which of Untitled0 to Untitled3 builds it
  const char* parent;  // nullptr: a top-level menu
  const platform::ClassRecord& (*cls)();
  const char* name;
  const char* caption;
  bool autoEnabled;
  std::optional<const char*> shortcut;  // nullopt: never set
};

using platform::AppleMenuItem;
using platform::MenuItem;
using platform::QuitMenuItem;

const ItemRow kItems[] = {
    {0, nullptr, &MenuItem::Lookup, "UntitledMenu3", "", false, ""},
    {1, nullptr, &MenuItem::Lookup, "UntitledMenu2", "File", false, ""},
    {1, "UntitledMenu2", &MenuItem::Lookup, "FilePrint", "Print", false, ""},
    {1, "UntitledMenu2", &QuitMenuItem::Lookup, "FileQuit", "Quit", true, "Cmd+Q"},
    {1, "UntitledMenu2", &MenuItem::Lookup, "UntitledMenu7", "", false, ""},
    {2, nullptr, &MenuItem::Lookup, "UntitledMenu0", "Edit", false, ""},
    {2, "UntitledMenu0", &MenuItem::Lookup, "EditUndo", "Undo", false, "Cmd+Z"},
    {2, "UntitledMenu0", &MenuItem::Lookup, "UntitledMenu1", "-", false, std::nullopt},
    {2, "UntitledMenu0", &MenuItem::Lookup, "EditCut", "Cut", false, "Cmd+X"},
    {2, "UntitledMenu0", &MenuItem::Lookup, "EditCopy", "Copy", false, "Cmd+C"},
    {2, "UntitledMenu0", &MenuItem::Lookup, "EditPaste", "Paste", false, "Cmd+V"},
    {2, "UntitledMenu0", &MenuItem::Lookup, "EditClear", "", false, ""},
    {2, "UntitledMenu0", &MenuItem::Lookup, "UntitledMenu6", "", false, ""},
    {2, "UntitledMenu0", &AppleMenuItem::Lookup, "AboutTavrel", "About Tavrel", false, ""},
    {2, "UntitledMenu0", &AppleMenuItem::Lookup, "UntitledMenu5", "", false, ""},
    {3, nullptr, &MenuItem::Lookup, "UntitledMenu4", "", false, ""},
};
}  // namespace

std::shared_ptr<class Menu> implicitInstance;
void implicitInstanceInit() {}

void Menu::ctblinit() {
  if (platform::RuntimeFindClass(kClassName) != nullptr) return;
  platform::RuntimeRegisterClass(
      {.name = kClassName,
       .base = &platform::MenuBar::Lookup(),
       .operations = {{"Menu.Constructor"}, {"Untitled0"}, {"Untitled1"}, {"Untitled2"}, {"Untitled3"}},
       .make = platform::MakerOf<class Menu>()});
}

const platform::ClassRecord& Menu::Lookup() { return platform::RuntimeLookupClass(kClassName, &ctblinit); }

// Takes the place of the inherited constructor, which does not run.
void Menu::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
}

void Menu::Untitled0() { BuildItemsOf(0); }
void Menu::Untitled1() { BuildItemsOf(1); }
void Menu::Untitled2() { BuildItemsOf(2); }
void Menu::Untitled3() { BuildItemsOf(3); }

// Each item is attached as soon as its properties are set; its parent menu is found again by
// name every time, so no builder holds a reference between items.
void Menu::BuildItemsOf(int builder) {
  for (const ItemRow& row : kItems) {
    if (row.builder != builder) continue;
    auto item = std::static_pointer_cast<MenuItem>(platform::RuntimeNewObject(row.cls()));
    item->Constructor();
    item->SetName(row.name);
    item->SetAutoEnabled(row.autoEnabled);
    item->SetValue(row.caption);
    item->SetVisible(true);
    if (row.shortcut) item->SetShortcut(*row.shortcut);
    if (row.parent == nullptr) {
      AddMenu(std::move(item));
    } else {
      MenuItem* parent = Child(row.parent);
      if (parent == nullptr) throw platform::NilObjectException(std::string("no menu named ") + row.parent);
      parent->AddMenu(std::move(item));
    }
  }
}

std::shared_ptr<class Menu> Menu() {
  if (implicitInstance != nullptr) return implicitInstance;
  auto bar = std::static_pointer_cast<class Menu>(platform::RuntimeNewObject(Menu::Lookup()));
  bar->Constructor();
  implicitInstance = bar;
  return bar;
}

}  // namespace Menu

// Nothing is kept: the item is found again in the installed menu bar on every call.
platform::AppleMenuItem& AboutTavrel() {
  const auto& bar = App().MenuBar();
  if (bar == nullptr) throw platform::NilObjectException("the application has no menu bar to find the About item in");
  return platform::RuntimeCheckCast<platform::AppleMenuItem>(bar->Lookup("AboutTavrel"));
}
