#include <QPushButton>

#include "platform/controls.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/qt_values.h"

namespace platform {

namespace {
using Kind = PropertyValue::Kind;
constexpr std::string_view kEvents[] = {"Action"};
QPushButton* Button(Object& o) { return static_cast<QPushButton*>(static_cast<PushButton&>(o).Widget()); }
}  // namespace

const ClassRecord& PushButton::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "PushButton", .base = &RectControl::Lookup(), .make = MakerOf<PushButton>()});
  return record;
}

QWidget* PushButton::CreateWidget(QWidget* parent) {
  auto* button = new QPushButton(parent);
  // Return is the window's to give to its Default button, not the focused button's.
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, [self = weak_from_this()] { detail::DispatchControlEvent(self, "Action"); });
  return button;
}

std::string PushButton::Caption() const {
  detail::RequireMainThread();
  return detail::ToStdString(static_cast<QPushButton*>(Widget())->text());
}

void PushButton::Push() {
  detail::RequireMainThread();
  static_cast<QPushButton*>(Widget())->click();
}

std::span<const std::string_view> PushButton::Events() const { return kEvents; }

const PropertyTable& PushButton::Properties() const {
  static const PropertyTable table = detail::WithFont(
      RectControl::Properties(),
      {
          {"MacButtonStyle", {Kind::Integer, nullptr}},
          {"Cancel", {Kind::Boolean, nullptr}},
          {"Caption",
           {Kind::Text, [](Object& o, const PropertyValue& v) { Button(o)->setText(detail::ToQString(v.Text())); }}},
          {"Default", {Kind::Boolean, nullptr}},
      });
  return table;
}

}  // namespace platform
