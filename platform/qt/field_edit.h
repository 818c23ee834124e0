#pragma once
// Inside the platform only: the line edit behind a text field, and what a screen reader reads
// of it.

#include <QLineEdit>

namespace platform::detail {

class FieldEdit : public QLineEdit {
 public:
  explicit FieldEdit(QWidget* parent);
  // Where the character at the offset is drawn, in the edit's coordinates; empty past the end.
  QRect CharacterRect(int offset) const;
};

}  // namespace platform::detail
