#include <QLabel>

#include "platform/controls.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/qt_values.h"

namespace platform {

namespace {
using Kind = PropertyValue::Kind;
QLabel* Text(Object& o) { return static_cast<QLabel*>(static_cast<Label&>(o).Widget()); }

void ApplyAlignment(Object& o, const PropertyValue&) {
  auto& label = static_cast<Label&>(o);
  const PropertyValue* alignment = label.Property("TextAlignment");
  Text(o)->setAlignment(detail::ToAlignment(alignment != nullptr ? alignment->Integer() : 0, Text(o)->wordWrap()));
}
}  // namespace

const ClassRecord& Label::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "Label", .base = &RectControl::Lookup(), .make = MakerOf<Label>()});
  return record;
}

QWidget* Label::CreateWidget(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

std::string Label::Value() const {
  detail::RequireMainThread();
  return detail::ToStdString(static_cast<QLabel*>(Widget())->text());
}

std::span<const std::string_view> Label::Events() const { return {}; }

const PropertyTable& Label::Properties() const {
  static const PropertyTable table = detail::WithFont(
      RectControl::Properties(),
      {
          {"Multiline",
           {Kind::Boolean,
            [](Object& o, const PropertyValue& v) {
              Text(o)->setWordWrap(v.Boolean());
              ApplyAlignment(o, v);
            }}},
          {"Selectable",
           {Kind::Boolean,
            [](Object& o, const PropertyValue& v) {
              Text(o)->setTextInteractionFlags(v.Boolean() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
            }}},
          {"TextAlignment", {Kind::Integer, ApplyAlignment}},
          {"TextColor",
           {Kind::Colour,
            [](Object& o, const PropertyValue& v) { detail::SetColour(*Text(o), QPalette::WindowText, v.Colour()); }}},
          {"Transparent", {Kind::Boolean, [](Object& o, const PropertyValue& v) { Text(o)->setAutoFillBackground(!v.Boolean()); }}},
          {"Value", {Kind::Text, [](Object& o, const PropertyValue& v) { Text(o)->setText(detail::ToQString(v.Text())); }}},
          {"DataSource", {Kind::Text, nullptr}},
          {"DataField", {Kind::Text, nullptr}},
      });
  return table;
}

}  // namespace platform
