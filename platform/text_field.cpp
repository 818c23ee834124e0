#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include "platform/controls.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/field_edit.h"
#include "platform/qt/qt_values.h"

namespace platform {

namespace {
using Kind = PropertyValue::Kind;

QLineEdit* Edit(Object& o) { return static_cast<QLineEdit*>(static_cast<TextField&>(o).Widget()); }

// Digits and length as the pattern says; the text the program last wrote also counts as valid,
// because QLineEdit only refuses an edit of text that was valid before it: without this,
// typing into a field holding "100" under a limit of 2 would give "1005".
class InputBounds : public QValidator {
 public:
  InputBounds(const QString& pattern, QObject* parent)
      : QValidator(parent), pattern_(QRegularExpression::anchoredPattern(pattern)) {}
  State validate(QString& input, int&) const override {
    return input == programText_ || pattern_.match(input).hasMatch() ? Acceptable : Invalid;
  }
  void SetProgramText(const QString& text) { programText_ = text; }

 private:
  QRegularExpression pattern_;
  QString programText_;
};

// The mask and the length bound what the user types or pastes; an edit that would break them
// is refused whole. QLineEdit's own maxLength is not used: it also cuts text the program
// writes, and an age of 100 years must not be shown as 10.
void ApplyInputBounds(Object& o, const PropertyValue&) {
  auto& field = static_cast<TextField&>(o);
  const PropertyValue* maskValue = field.Property("ValidationMask");
  const PropertyValue* maxValue = field.Property("MaximumCharactersAllowed");
  const std::string mask = maskValue != nullptr ? maskValue->Text() : std::string();
  const std::int64_t max = maxValue != nullptr ? maxValue->Integer() : 0;
  if (mask.find_first_not_of('#') != std::string::npos)
    throw PropertyException("ValidationMask \"" + mask + "\": only # (one digit) is supported");
  QString pattern;
  if (!mask.empty()) {
    std::size_t digits = max > 0 ? std::min<std::size_t>(mask.size(), std::size_t(max)) : mask.size();
    pattern = QStringLiteral("\\d{0,%1}").arg(digits);
  } else if (max > 0) {
    pattern = QStringLiteral(".{0,%1}").arg(max);
  }
  QLineEdit* edit = Edit(o);
  delete edit->validator();
  auto* bounds = pattern.isEmpty() ? nullptr : new InputBounds(pattern, edit);
  if (bounds != nullptr) bounds->SetProgramText(edit->text());
  edit->setValidator(bounds);
}

void ApplyAlignment(Object& o, const PropertyValue& v) {
  Edit(o)->setAlignment(detail::ToAlignment(v.Integer(), false));
}
}  // namespace

const ClassRecord& TextField::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "TextField", .base = &RectControl::Lookup(), .make = MakerOf<TextField>()});
  return record;
}

QWidget* TextField::CreateWidget(QWidget* parent) {
  auto* edit = new detail::FieldEdit(parent);
  edit->setFocusPolicy(Qt::StrongFocus);
  return edit;
}

std::string TextField::Text() const {
  detail::RequireMainThread();
  return detail::ToStdString(static_cast<QLineEdit*>(Widget())->text());
}

void TextField::SetText(const std::string& text) {
  detail::RequireMainThread();
  auto* edit = static_cast<QLineEdit*>(Widget());
  const QString shown = detail::ToQString(text);
  if (auto* bounds = dynamic_cast<InputBounds*>(const_cast<QValidator*>(edit->validator())))
    bounds->SetProgramText(shown);
  edit->setText(shown);
}

std::span<const std::string_view> TextField::Events() const { return {}; }

const PropertyTable& TextField::Properties() const {
  static const PropertyTable table = detail::WithFont(
      RectControl::Properties(),
      {
          {"BackgroundColor",
           {Kind::Colour,
            [](Object& o, const PropertyValue& v) { detail::SetColour(*Edit(o), QPalette::Base, v.Colour()); }}},
          {"HasBorder", {Kind::Boolean, [](Object& o, const PropertyValue& v) { Edit(o)->setFrame(v.Boolean()); }}},
          {"Format", {Kind::Text, nullptr}},
          {"Password",
           {Kind::Boolean,
            [](Object& o, const PropertyValue& v) {
              Edit(o)->setEchoMode(v.Boolean() ? QLineEdit::Password : QLineEdit::Normal);
            }}},
          {"TextColor",
           {Kind::Colour,
            [](Object& o, const PropertyValue& v) { detail::SetColour(*Edit(o), QPalette::Text, v.Colour()); }}},
          {"AllowFocusRing", {Kind::Boolean, nullptr}},
          {"Hint",
           {Kind::Text,
            [](Object& o, const PropertyValue& v) { Edit(o)->setPlaceholderText(detail::ToQString(v.Text())); }}},
          {"Value",
           {Kind::Text, [](Object& o, const PropertyValue& v) { static_cast<TextField&>(o).SetText(v.Text()); }}},
          {"AllowTabs", {Kind::Boolean, nullptr}},
          {"TextAlignment", {Kind::Integer, ApplyAlignment}},
          {"AllowSpellChecking", {Kind::Boolean, nullptr}},
          {"MaximumCharactersAllowed", {Kind::Integer, ApplyInputBounds}},
          {"ValidationMask", {Kind::Text, ApplyInputBounds}},
          {"ReadOnly", {Kind::Boolean, [](Object& o, const PropertyValue& v) { Edit(o)->setReadOnly(v.Boolean()); }}},
          {"DataSource", {Kind::Text, nullptr}},
          {"DataField", {Kind::Text, nullptr}},
      });
  return table;
}

}  // namespace platform
