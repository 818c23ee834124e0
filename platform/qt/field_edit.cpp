#include "platform/qt/field_edit.h"

#include <QAccessibleWidget>
#include <algorithm>

namespace platform::detail {

namespace {
// A screen reader reads a field as text, editable unless it is read-only. Qt's own interface for
// a line edit calls a read-only one editable as well, so a result field would be offered for
// typing. The state is read each time: Qt makes a field's interface as soon as its text is set,
// which is before the field is made read-only.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
 public:
  explicit FieldAccessible(FieldEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Edit()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }
  QString text(QAccessible::Text t) const override {
    // A password is never read out, not even as the dots it shows.
    if (t == QAccessible::Value) return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : QString();
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && !Edit()->isReadOnly())
      return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Edit()->hasSelectedText()) return;
    *start = Edit()->selectionStart();
    *end = Edit()->selectionEnd();
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { Edit()->setSelection(start, end - start); }
  void removeSelection(int index) override {
    if (index == 0) Edit()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) Edit()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  // The text as shown: a password's dots, never its characters.
  QString text(int start, int end) const override { return Edit()->displayText().mid(start, end - start); }
  int characterCount() const override { return int(Edit()->displayText().size()); }
  QRect characterRect(int offset) const override {
    const QRect rect = Edit()->CharacterRect(offset);
    return rect.isEmpty() ? rect : QRect(Edit()->mapToGlobal(rect.topLeft()), rect.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint at = Edit()->mapFromGlobal(point);
    return Edit()->rect().contains(at) ? Edit()->cursorPositionAt(at) : -1;
  }
  void scrollToSubstring(int start, int end) override {
    Edit()->setCursorPosition(end);
    Edit()->setCursorPosition(start);
  }
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

  // Edits pass the field's input bounds, as typing does.
  void deleteText(int start, int end) override {
    Edit()->setSelection(start, end - start);
    Edit()->del();
  }
  void insertText(int offset, const QString& text) override {
    Edit()->setCursorPosition(offset);
    Edit()->insert(text);
  }
  void replaceText(int start, int end, const QString& text) override {
    Edit()->setSelection(start, end - start);
    Edit()->insert(text);
  }

 private:
  FieldEdit* Edit() const { return static_cast<FieldEdit*>(widget()); }
};

// The edit has no meta-object of its own, so Qt asks with QLineEdit's class name first.
QAccessibleInterface* FieldAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QLineEdit")) return nullptr;
  auto* edit = dynamic_cast<FieldEdit*>(object);
  return edit != nullptr ? new FieldAccessible(edit) : nullptr;
}
}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
  [[maybe_unused]] static const bool accessibleAsField = (QAccessible::installFactory(&FieldAccessibleFactory), true);
}

QRect FieldEdit::CharacterRect(int offset) const {
  const QString shown = displayText();
  if (offset < 0 || offset >= shown.size()) return {};
  // Qt keeps where the text starts to itself; the cursor's rectangle is centred on the cursor,
  // which stands after the text before it.
  const QFontMetrics metrics = fontMetrics();
  const QRect cursor = cursorRect();
  const int origin = cursor.left() + cursor.width() / 2 - metrics.horizontalAdvance(shown.left(cursorPosition()));
  const int left = origin + metrics.horizontalAdvance(shown.left(offset));
  const int right = origin + metrics.horizontalAdvance(shown.left(offset + 1));
  return {left, cursor.top(), std::max(1, right - left), cursor.height()};
}

}  // namespace platform::detail
