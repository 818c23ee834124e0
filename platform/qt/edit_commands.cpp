#include "platform/qt/edit_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QWidget>

#include "platform/window.h"

namespace platform::detail {

namespace {
enum class Command { None, Undo, Cut, Copy, Paste, Clear };

Command CommandOf(std::string_view name) {
  if (name == "EditUndo") return Command::Undo;
  if (name == "EditCut") return Command::Cut;
  if (name == "EditCopy") return Command::Copy;
  if (name == "EditPaste") return Command::Paste;
  if (name == "EditClear") return Command::Clear;
  return Command::None;
}

QLineEdit* FocusedField(const Window& window) {
  QWidget* top = window.Widget();
  if (top == nullptr) return nullptr;
  auto* field = qobject_cast<QLineEdit*>(top->focusWidget());
  return field != nullptr && field->isEnabled() ? field : nullptr;
}

bool Available(const QLineEdit& field, Command command) {
  const bool writable = !field.isReadOnly();
  switch (command) {
    case Command::Undo: return writable && field.isUndoAvailable();
    case Command::Cut:
    case Command::Clear: return writable && field.hasSelectedText();
    case Command::Copy: return field.hasSelectedText();
    case Command::Paste: return writable && !QApplication::clipboard()->text().isEmpty();
    case Command::None: return false;
  }
  return false;
}
}  // namespace

bool EditCommandAvailable(const Window& window, std::string_view itemName) {
  QLineEdit* field = FocusedField(window);
  return field != nullptr && Available(*field, CommandOf(itemName));
}

bool ServeEditCommand(Window& window, std::string_view itemName) {
  const Command command = CommandOf(itemName);
  QLineEdit* field = FocusedField(window);
  if (field == nullptr || !Available(*field, command)) return false;
  switch (command) {
    case Command::Undo: field->undo(); break;
    case Command::Cut: field->cut(); break;
    case Command::Copy: field->copy(); break;
    case Command::Paste: field->paste(); break;
    case Command::Clear: field->del(); break;
    case Command::None: return false;
  }
  return true;
}

}  // namespace platform::detail
