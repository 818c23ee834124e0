// The menu bar as start-up builds it, the About item found in it, the application object
// reached through App(), and the Quit item's shortcut in the calculator window.

#include "app/menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/tavrel.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/runtime.h"
#include "tests/app/registered_app.h"
#include "tests/support/modal_watchdog.h"
#include "ui/about_item.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace {

// Every item below the parent, depth first in menu order.
void CollectItems(const platform::MenuItem& parent, std::vector<const platform::MenuItem*>& out) {
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    out.push_back(&parent.Item(i));
    CollectItems(parent.Item(i), out);
  }
}
std::vector<const platform::MenuItem*> AllItems(const platform::MenuItem& parent) {
  std::vector<const platform::MenuItem*> items;
  CollectItems(parent, items);
  return items;
}

TEST(MenuBar, HasFourTopLevelMenusInOrderWithTheirItems) {
  const auto bar = Menu::Menu();
  std::vector<std::pair<std::string, std::size_t>> menus;
  for (std::size_t i = 0; i < bar->Count(); ++i) menus.emplace_back(bar->Item(i).Name(), bar->Item(i).Count());

  EXPECT_EQ(menus, (std::vector<std::pair<std::string, std::size_t>>{
                       {"UntitledMenu3", 0}, {"UntitledMenu2", 3}, {"UntitledMenu0", 9}, {"UntitledMenu4", 0}}));
}

TEST(MenuBar, SecondCallReturnsTheSameBarAndBuildsNothing) {
  const auto first = Menu::Menu();
  const auto second = Menu::Menu();

  EXPECT_EQ(second, first);
  EXPECT_EQ(AllItems(*second).size(), 16u);
}

// One property of the items, and the names of exactly the items that have it, in menu order.
struct ItemsWithRow {
  const char* name;
  bool (*has)(const platform::MenuItem&);
  std::vector<std::string> items;
};
void PrintTo(const ItemsWithRow& row, std::ostream* os) { *os << row.name; }

class ItemsWith : public testing::TestWithParam<ItemsWithRow> {};

TEST_P(ItemsWith, OnlyTheNamedItems) {
  std::vector<std::string> having;
  for (const platform::MenuItem* item : AllItems(*Menu::Menu()))
    if (GetParam().has(*item)) having.push_back(item->Name());

  EXPECT_EQ(having, GetParam().items);
}

const ItemsWithRow kItemsWith[] = {
    {"AutoEnabled", [](const platform::MenuItem& i) { return i.AutoEnabled(); }, {"FileQuit"}},
    {"ClassQuitMenuItem",
     [](const platform::MenuItem& i) { return i.Class().IsA(platform::QuitMenuItem::Lookup()); },
     {"FileQuit"}},
    {"ClassAppleMenuItem",
     [](const platform::MenuItem& i) { return i.Class().IsA(platform::AppleMenuItem::Lookup()); },
     {"AboutTavrel", "UntitledMenu5"}},
    {"ShortcutNeverSet", [](const platform::MenuItem& i) { return !i.ShortcutWasSet(); }, {"UntitledMenu1"}},
    {"EmptyCaption",
     [](const platform::MenuItem& i) { return i.Value().empty(); },
     {"UntitledMenu3", "UntitledMenu7", "EditClear", "UntitledMenu6", "UntitledMenu5", "UntitledMenu4"}},
    // The About window binds a handler to this name; it must stay without an item.
    {"NamedAboutMenuItem", [](const platform::MenuItem& i) { return i.Name() == "AboutMenuItem"; }, {}},
};
INSTANTIATE_TEST_SUITE_P(MenuBar, ItemsWith, testing::ValuesIn(kItemsWith),
                         [](const testing::TestParamInfo<ItemsWithRow>& info) { return std::string(info.param.name); });

TEST(AboutItem, IsFoundInsideTheEditMenuOfTheInstalledBarOnEveryCall) {
  const app_test::RegisteredApp registered;

  platform::AppleMenuItem& item = AboutTavrel();

  EXPECT_EQ(item.Value(), "About Tavrel");
  const platform::MenuBar& bar = *registered.app().MenuBar();
  EXPECT_EQ(bar.Child("AboutTavrel"), nullptr) << "not a top-level menu";
  ASSERT_NE(bar.Child("UntitledMenu0"), nullptr);
  EXPECT_EQ(bar.Child("UntitledMenu0")->Child("AboutTavrel"), &item);
  EXPECT_EQ(&AboutTavrel(), &item);
}

TEST(AboutItem, WithoutAnApplicationObjectOrItsMenuBarIsAnError) {
  EXPECT_THROW(AboutTavrel(), platform::NilObjectException) << "no application object";
  const app_test::RegisteredApp withoutBar(/*withMenuBar=*/false);
  EXPECT_THROW(AboutTavrel(), platform::NilObjectException) << "an application object without a menu bar";

  auto bar = std::static_pointer_cast<platform::MenuBar>(platform::RuntimeNewObject(platform::MenuBar::Lookup()));
  withoutBar.app().SetMenuBar(bar);
  EXPECT_THROW(AboutTavrel(), platform::NilObjectException) << "a menu bar without the item";
  auto plain = std::static_pointer_cast<platform::MenuItem>(platform::RuntimeNewObject(platform::MenuItem::Lookup()));
  plain->SetName("AboutTavrel");
  bar->AddMenu(plain);
  EXPECT_THROW(AboutTavrel(), platform::IllegalCastException) << "an item of that name but of another class";
}

TEST(ApplicationObject, AppGivesTheRegisteredObjectOnEveryCall) {
  const app_test::RegisteredApp registered;

  EXPECT_EQ(&App(), &registered.app());
  EXPECT_EQ(&App(), &App());
}

TEST(QuitItem, CtrlQInTheCalculatorWindowEndsTheEventLoopWithCodeZero) {
  const gui_test::ModalWatchdog watchdog;
  const app_test::RegisteredApp registered;
  // Built and hidden first, as after the hand-over, so that its showing takes no focus later.
  AboutWnd::AboutWnd().Hide();
  QWidget* window = ControlWnd::ControlWnd().Widget();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  // A quit with another code first, so that 0 can only come from the Quit item.
  platform::Quit(5);
  platform::RuntimeRun();
  // Fails the test rather than hanging it when the key reaches no Quit item.
  QTimer::singleShot(2000, [] {
    ADD_FAILURE() << "Ctrl+Q did not quit";
    platform::Quit(9);
  });

  QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
  platform::RuntimeRun();

  EXPECT_EQ(platform::RuntimeExit(), 0);
}

}  // namespace
