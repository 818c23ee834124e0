// The menu bar as the user meets it on the calculator window: the drawn menus with their
// captions, separators and shortcuts in order, and each Edit shortcut, as the menu shows it,
// doing to the focused field what its item's caption says.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <string>
#include <string_view>
#include <vector>

#include "tests/app/registered_app.h"
#include "tests/support/modal_watchdog.h"
#include "tests/support/row_name.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace {

using test_rows::PrintTo;
using test_rows::RowName;
using W = class ControlWnd::ControlWnd;

// The calculator window in front, after the hand-over, with the application's menu bar.
W& CalculatorInFront() {
  AboutWnd::AboutWnd().Hide();
  W& calc = ControlWnd::ControlWnd();
  calc.Widget()->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(calc.Widget()));
  return calc;
}

// One line per menu title and per item: "File:", "  Quit  Ctrl+Q", "  ---" for a separator.
std::vector<std::string> DrawnMenus(const QWidget& window) {
  std::vector<std::string> lines;
  const auto* bar = window.findChild<QMenuBar*>();
  if (bar == nullptr) return {"no menu bar"};
  for (const QAction* title : bar->actions()) {
    lines.push_back(title->text().toStdString() + ":");
    for (const QAction* item : title->menu()->actions()) {
      const QString keys = item->shortcut().toString(QKeySequence::PortableText);
      lines.push_back(item->isSeparator()
                          ? "  ---"
                          : "  " + item->text().toStdString() + (keys.isEmpty() ? "" : "  " + keys.toStdString()));
    }
  }
  return lines;
}

// The shortcut the drawn menus show beside the caption.
QKeySequence ShortcutShownFor(const QWidget& window, std::string_view caption) {
  for (const QMenu* menu : window.findChildren<QMenu*>())
    for (const QAction* item : menu->actions())
      if (item->text().toStdString() == caption) return item->shortcut();
  return {};
}

class CalculatorMenus : public gui_test::WatchedTest {
 protected:
  app_test::RegisteredApp registered;
  W& calc = CalculatorInFront();
};

TEST_F(CalculatorMenus, ShowFileAndEditWithTheirItemsSeparatorAndShortcutsInOrder) {
  EXPECT_EQ(DrawnMenus(*calc.Widget()), (std::vector<std::string>{
                                            "File:",
                                            "  Print",
                                            "  Quit  Ctrl+Q",
                                            "Edit:",
                                            "  Undo  Ctrl+Z",
                                            "  ---",
                                            "  Cut  Ctrl+X",
                                            "  Copy  Ctrl+C",
                                            "  Paste  Ctrl+V",
                                            "  About Tavrel",
                                        }));
}

struct EditRow {
  std::string_view name;
  std::string_view caption;
  platform::TextField& (W::*field)() const;
  std::string_view fieldBefore, clipboardBefore;
  std::string_view fieldAfter, clipboardAfter;
};

const EditRow kEdits[] = {
    {"copy_takes_the_selection", "Copy", &W::DOByFld, "1990", "before", "1990", "1990"},
    {"copy_works_in_a_result_field", "Copy", &W::AgeYFld, "35", "before", "35", "35"},
    {"cut_takes_the_selection_away", "Cut", &W::DOByFld, "1990", "before", "", "1990"},
    {"paste_puts_the_clipboard_in", "Paste", &W::DOByFld, "", "1985", "1985", "1985"},
    // The field's last edit, typing 5 over the selection, is taken back.
    {"undo_takes_the_last_typing_back", "Undo", &W::DOByFld, "1990", "before", "1990", "before"},
};

class EditShortcut : public CalculatorMenus, public testing::WithParamInterface<EditRow> {};

TEST_P(EditShortcut, ActsOnTheFocusedFieldAsItsCaptionSays) {
  const EditRow& row = GetParam();
  platform::TextField& field = (calc.*row.field)();
  QLineEdit* edit = qobject_cast<QLineEdit*>(field.Widget());
  field.SetText(std::string(row.fieldBefore));
  field.SetFocus();
  edit->selectAll();
  if (row.caption == "Undo") QTest::keyClick(edit, Qt::Key_5);
  QApplication::clipboard()->setText(
      QString::fromUtf8(row.clipboardBefore.data(), qsizetype(row.clipboardBefore.size())));
  const QKeySequence keys = ShortcutShownFor(*calc.Widget(), row.caption);
  ASSERT_FALSE(keys.isEmpty()) << "no shortcut shown for " << row.caption;

  QTest::keyClick(QApplication::focusWidget(), keys[0].key(), keys[0].keyboardModifiers());

  EXPECT_EQ(field.Text(), row.fieldAfter);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), row.clipboardAfter);
}

INSTANTIATE_TEST_SUITE_P(CalculatorMenus, EditShortcut, testing::ValuesIn(kEdits), RowName());

}  // namespace
