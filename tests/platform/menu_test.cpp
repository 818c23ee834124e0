// The application's menu bar drawn on a document window: what is drawn, how a chosen item
// reaches the window's handler by its name, how items are enabled before a menu opens, and the
// items whose action is built in (Quit, the Edit commands on the focused field).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTest>
#include <optional>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;
using testing::ElementsAre;

// File: About (enabled only by the window), a separator, an item without caption, an invisible
//       item, Quit (Cmd+Q, enabled automatically)
// an untitled top-level menu, not drawn
// Edit: Copy, Paste (served by the platform for a text field), Stale (enabled by the program once)
std::shared_ptr<platform::MenuBar> TestMenuBar() {
  auto bar = New<platform::MenuBar>();
  auto file = Item("FileMenu", "File");
  file->AddMenu(Item("FileAbout", "About"));
  file->AddMenu(Item("UntitledMenu1", "-"));
  file->AddMenu(Item("UntitledMenu2", ""));
  auto invisible = Item("FileInvisible", "Invisible", true);
  invisible->SetVisible(false);
  file->AddMenu(invisible);
  file->AddMenu(Item<platform::QuitMenuItem>("FileQuit", "Quit", true, "Cmd+Q"));
  bar->AddMenu(file);
  auto untitled = Item("UntitledMenu0", "");
  untitled->AddMenu(Item("Ghost", "Ghost", true));
  bar->AddMenu(untitled);
  auto edit = Item("EditMenu", "Edit");
  edit->AddMenu(Item("EditCopy", "Copy", false, "Cmd+C"));
  edit->AddMenu(Item("EditPaste", "Paste", false, "Cmd+V"));
  auto stale = Item("EditStale", "Stale");
  stale->SetEnabled(true);
  edit->AddMenu(stale);
  bar->AddMenu(edit);
  return bar;
}

class MenuTest : public gui_test::WatchedTest {
 protected:
  void SetUp() override {
    bar = TestMenuBar();
    app.emplace(New<platform::Application>(), bar);
    window.emplace(ShownLayout(), std::vector{Field("NameFld")});
    (*window)->menuHandlers["FileAbout"] = [this] {
      ++aboutChosen;
      return false;
    };
  }
  TestWnd& Open() { return window->Open(); }
  QMenuBar* Bar() const { return (*window)->Widget()->findChild<QMenuBar*>(); }
  QMenu* Menu(const QString& title) const {
    for (QAction* top : Bar()->actions())
      if (top->text() == title) return top->menu();
    return nullptr;
  }
  QAction* Action(const QString& menu, const QString& text) const {
    for (QAction* action : Menu(menu)->actions())
      if (action->text() == text) return action;
    return nullptr;
  }
  // Opening a menu is what asks the window which items are enabled.
  void OpenAndClose(const QString& title) {
    QMenu* menu = Menu(title);
    menu->popup((*window)->Widget()->mapToGlobal(QPoint(0, 0)));
    menu->hide();
  }

  std::shared_ptr<platform::MenuBar> bar;
  int aboutChosen = 0;
  // The window goes before the application object whose menu bar it draws.
  std::optional<ScopedApp> app;
  std::optional<ScopedWindow<TestWnd>> window;
};

TEST_F(MenuTest, DrawsTheCaptionedItemsWithSeparatorsAndShortcuts) {
  Open();
  ASSERT_NE(Bar(), nullptr);
  std::vector<std::string> menus, file;
  for (QAction* top : Bar()->actions()) menus.push_back(top->text().toStdString());
  for (QAction* item : Menu("File")->actions()) file.push_back(item->isSeparator() ? "-" : item->text().toStdString());
  EXPECT_THAT(menus, ElementsAre("File", "Edit"));
  EXPECT_THAT(file, ElementsAre("About", "-", "Quit"));
  EXPECT_EQ(Action("File", "Quit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(MenuTest, IsDrawnOnlyWhenTheApplicationHasOne) {
  app.reset();
  Open();
  EXPECT_EQ(Bar(), nullptr);
}

struct EnableRow {
  const char* name;
  bool windowEnablesAbout;
  bool about, quit, stale;
};

class MenuEnabling : public MenuTest, public testing::WithParamInterface<EnableRow> {};

TEST_P(MenuEnabling, ResetsToAutoEnabledThenAsksTheWindow) {
  (*window)->onEnableMenuItems = [this](TestWnd&) {
    if (GetParam().windowEnablesAbout) bar->Lookup("FileAbout")->SetEnabled(true);
  };
  Open();
  OpenAndClose("File");
  EXPECT_EQ((*window)->calls.enableMenuItems, 1);
  EXPECT_EQ(bar->Lookup("FileAbout")->Enabled(), GetParam().about);
  EXPECT_EQ(Action("File", "About")->isEnabled(), GetParam().about);
  EXPECT_EQ(Action("File", "Quit")->isEnabled(), GetParam().quit);
  EXPECT_EQ(bar->Lookup("EditStale")->Enabled(), GetParam().stale);
  EXPECT_EQ(Action("Edit", "Stale")->isEnabled(), GetParam().stale);
}

INSTANTIATE_TEST_SUITE_P(BeforeAMenuOpens, MenuEnabling,
                         testing::Values(EnableRow{"window_enables_about", true, true, true, false},
                                         EnableRow{"window_enables_nothing", false, false, true, false}),
                         RowName());

TEST_F(MenuTest, AChosenItemReachesTheHandlerBoundToItsName) {
  (*window)->onEnableMenuItems = [this](TestWnd&) { bar->Lookup("FileAbout")->SetEnabled(true); };
  Open();
  EXPECT_TRUE((*window)->HasMenuHandler("FileAbout"));
  OpenAndClose("File");
  Action("File", "About")->trigger();
  EXPECT_EQ(aboutChosen, 1);
}

TEST_F(MenuTest, ADisabledItemCannotBeChosen) {
  Open();
  OpenAndClose("File");
  Action("File", "About")->trigger();
  EXPECT_EQ(aboutChosen, 0);
}

TEST_F(MenuTest, QuitQuitsWithStatusZero) {
  Open();
  platform::Quit(5);  // a status other than the one Quit gives
  ASSERT_TRUE(ConsumeQuit());
  Action("File", "Quit")->trigger();
  EXPECT_TRUE(ConsumeQuit());
  EXPECT_EQ(platform::RuntimeExit(), 0);
}

TEST_F(MenuTest, CtrlQOnTheWindowQuits) {
  TestWnd& w = Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
  platform::Quit(5);
  ASSERT_TRUE(ConsumeQuit());
  QTest::keyClick(w.Widget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(ConsumeQuit());
  EXPECT_EQ(platform::RuntimeExit(), 0);
}

// A dialog frame has no room for a menu bar, but the application's bar is still its own: its
// shortcuts work there, and a key that is no shortcut still reaches the window.
TEST_F(MenuTest, ShortcutsWorkOnAWindowWithoutADrawnBar) {
  window.reset();
  window.emplace(ShownLayout({{"Type", 2}, {"MenuBarVisible", true}}), std::vector<platform::ControlDescription>{});
  TestWnd& w = Open();
  ASSERT_EQ(Bar(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
  QTest::keyClick(w.Widget()->windowHandle(), Qt::Key_C, Qt::ControlModifier);  // Copy: nothing to copy
  EXPECT_EQ(w.calls.keyDown, 1);
  platform::Quit(5);
  ASSERT_TRUE(ConsumeQuit());
  QTest::keyClick(w.Widget()->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(ConsumeQuit());
  EXPECT_EQ(platform::RuntimeExit(), 0);
  EXPECT_EQ(w.calls.keyDown, 1) << "Ctrl+Q also reached the window as a key press";
}

TEST_F(MenuTest, AWindowWithoutTheMenuBarHasNoShortcuts) {
  window.reset();
  window.emplace(ShownLayout({{"Type", 2}, {"MenuBarVisible", false}}), std::vector<platform::ControlDescription>{});
  TestWnd& w = Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
  QTest::keyClick(w.Widget()->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(w.calls.keyDown, 1);
  EXPECT_FALSE(ConsumeQuit(300));
}

// The Edit commands act on the focused text field without a handler of the program's.
struct EditRow {
  const char* name;
  bool readOnly;
  const char* selectAll;  // the field's text, selected; "" for an empty field
  const char* clipboard;
  bool copy, paste;
};

class EditCommands : public MenuTest, public testing::WithParamInterface<EditRow> {};

TEST_P(EditCommands, AreEnabledWhenTheFocusedFieldCanTakeThem) {
  QClipboard* clipboard = QApplication::clipboard();
  const QString saved = clipboard->text();
  auto restore = qScopeGuard([&] { clipboard->setText(saved); });
  clipboard->setText(GetParam().clipboard);
  (*window)->controls = {Field("NameFld", {{"ReadOnly", GetParam().readOnly}})};
  TestWnd& w = Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
  auto& field = w.Get<platform::TextField>("NameFld");
  field.SetText(GetParam().selectAll);
  field.SetFocus();
  static_cast<QLineEdit*>(field.Widget())->selectAll();
  OpenAndClose("Edit");
  EXPECT_EQ(Action("Edit", "Copy")->isEnabled(), GetParam().copy);
  EXPECT_EQ(Action("Edit", "Paste")->isEnabled(), GetParam().paste);
}

INSTANTIATE_TEST_SUITE_P(FocusedField, EditCommands,
                         testing::Values(EditRow{"selection_and_clipboard", false, "1999", "42", true, true},
                                         EditRow{"nothing_selected_empty_clipboard", false, "", "", false, false},
                                         EditRow{"read_only_field_copies_but_takes_no_paste", true, "1999", "42", true,
                                                 false}),
                         RowName());

TEST_F(MenuTest, PasteChosenFromTheMenuPastesIntoTheFocusedField) {
  QClipboard* clipboard = QApplication::clipboard();
  const QString saved = clipboard->text();
  auto restore = qScopeGuard([&] { clipboard->setText(saved); });
  clipboard->setText("42");
  TestWnd& w = Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Widget()));
  w.Get<platform::TextField>("NameFld").SetFocus();
  OpenAndClose("Edit");
  Action("Edit", "Paste")->trigger();
  EXPECT_EQ(w.Get<platform::TextField>("NameFld").Text(), "42");
}

}  // namespace
}  // namespace platform_test
