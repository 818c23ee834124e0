#include "platform/controls.h"

#include <QPointer>

#include "platform/qt/control_widgets.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/qt_values.h"
#include "platform/qt/window_impl.h"
#include "platform/window.h"

namespace platform {

// Control and RectControl: what every control shares. The four widget kinds are in
// text_field.cpp, push_button.cpp, label.cpp and canvas.cpp.

const ClassRecord& Control::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "Control"});
  return record;
}

Control::~Control() = default;

void Control::AddEventHandler(std::string_view event, Delegate delegate) {
  detail::RequireMainThread();
  std::span<const std::string_view> events = Events();
  if (std::find(events.begin(), events.end(), event) == events.end())
    throw RuntimeException(Class().name + " raises no event " + std::string(event));
  if (!delegate) throw NilObjectException("nil delegate for " + name_ + "." + std::string(event));
  delegates_.emplace_back(std::string(event), std::move(delegate));
}

void Control::RaiseControlEvent(std::string_view event) {
  for (const auto& [name, delegate] : delegates_)
    if (name == event) delegate(*this);
}

void RuntimeAddEventHandler(Control& control, std::string_view event, Delegate delegate) {
  control.AddEventHandler(event, std::move(delegate));
}

struct RectControl::Impl {
  QPointer<QWidget> widget;
};

const ClassRecord& RectControl::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "RectControl", .base = &Control::Lookup()});
  return record;
}

RectControl::RectControl() = default;
RectControl::~RectControl() = default;

void RectControl::Constructor() {
  detail::RequireMainThread();
  if (Parent() == nullptr) throw NilObjectException(Class().name + " was not allocated by a window");
  if (impl_ != nullptr) throw RuntimeException(Class().name + " is constructed already");
  impl_ = std::make_unique<Impl>();
  impl_->widget = CreateWidget(WindowAccess::Of(*Parent()).content);
  // The geometry comes with the property block. Shown before that, a widget would first be sized
  // to its hint, which measures its text and so loads the fonts before the window is up.
  impl_->widget->setAttribute(Qt::WA_Resized);
  impl_->widget->show();
}

QWidget* RectControl::Widget() const {
  if (impl_ == nullptr || impl_->widget == nullptr) throw NilObjectException(Class().name + " is not constructed");
  return impl_->widget;
}

void RectControl::SetFocus() {
  detail::RequireMainThread();
  Widget()->setFocus(Qt::OtherFocusReason);
}

bool RectControl::Visible() const {
  detail::RequireMainThread();
  return !Widget()->isHidden();
}

void RectControl::SetVisible(bool visible) {
  detail::RequireMainThread();
  SetProperty("Visible", visible);
}

bool RectControl::Enabled() const {
  detail::RequireMainThread();
  return Widget()->isEnabled();
}

void RectControl::SetAccessibleName(const std::string& name) {
  detail::RequireMainThread();
  Widget()->setAccessibleName(detail::ToQString(name));
}

namespace {
using Kind = PropertyValue::Kind;

QWidget* WidgetOf(Object& o) { return static_cast<RectControl&>(o).Widget(); }

void ApplyGeometry(Object& o, const PropertyValue&) {
  auto& c = static_cast<RectControl&>(o);
  auto get = [&](const char* name, int fallback) {
    const PropertyValue* v = c.Property(name);
    return v != nullptr ? int(v->Integer()) : fallback;
  };
  QWidget* w = c.Widget();
  w->setGeometry(get("Left", w->x()), get("Top", w->y()), get("Width", w->width()), get("Height", w->height()));
}
}  // namespace

const PropertyTable& RectControl::Properties() const {
  static const PropertyTable table = {
      {"Name", {Kind::Text, nullptr}},
      {"Index", {Kind::Integer, nullptr}},
      {"Left", {Kind::Integer, ApplyGeometry}},
      {"Top", {Kind::Integer, ApplyGeometry}},
      {"Width", {Kind::Integer, ApplyGeometry}},
      {"Height", {Kind::Integer, ApplyGeometry}},
      // Locks keep a control's distance to the window's edges on resizing; no window here resizes.
      {"LockLeft", {Kind::Boolean, nullptr}},
      {"LockTop", {Kind::Boolean, nullptr}},
      {"LockRight", {Kind::Boolean, nullptr}},
      {"LockBottom", {Kind::Boolean, nullptr}},
      {"TabIndex", {Kind::Integer, nullptr}},
      {"TabPanelIndex", {Kind::Integer, nullptr}},
      {"TabStop", {Kind::Boolean, detail::ApplyFocusPolicy}},
      {"AllowAutoDeactivate", {Kind::Boolean, nullptr}},
      {"Enabled", {Kind::Boolean, [](Object& o, const PropertyValue& v) { WidgetOf(o)->setEnabled(v.Boolean()); }}},
      {"Tooltip",
       {Kind::Text, [](Object& o, const PropertyValue& v) { WidgetOf(o)->setToolTip(detail::ToQString(v.Text())); }}},
      {"Visible", {Kind::Boolean, [](Object& o, const PropertyValue& v) { WidgetOf(o)->setVisible(v.Boolean()); }}},
      {"Transparent", {Kind::Boolean, nullptr}},
      {"InitialParent", {Kind::Text, nullptr}},
  };
  return table;
}

namespace detail {
void DispatchControlEvent(const std::weak_ptr<Object>& control, const char* event) {
  std::shared_ptr<Object> c = control.lock();
  if (c == nullptr) return;
  auto& typed = static_cast<Control&>(*c);
  Dispatch(typed.Parent(), [&typed, event] { typed.RaiseControlEvent(event); });
}

void OrderTabs(Window& window) {
  std::vector<std::pair<std::int64_t, RectControl*>> order;
  for (const auto& [name, object] : WindowAccess::Of(window).controls) {
    auto* control = dynamic_cast<RectControl*>(object.get());
    if (control == nullptr || control->Widget()->focusPolicy() == Qt::NoFocus) continue;
    const PropertyValue* index = control->Property("TabIndex");
    order.emplace_back(index != nullptr ? index->Integer() : 0, control);
  }
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second->Widget(), order[i].second->Widget());
  // Typing should go somewhere from the start: the first field that takes it gets the focus.
  for (const auto& [index, control] : order) {
    auto* field = dynamic_cast<TextField*>(control);
    const PropertyValue* readOnly = field != nullptr ? field->Property("ReadOnly") : nullptr;
    if (field != nullptr && field->Enabled() && !(readOnly != nullptr && readOnly->Boolean())) {
      field->Widget()->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}
}  // namespace detail

}  // namespace platform
