#include "platform/window.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/edit_commands.h"
#include "platform/qt/qt_values.h"
#include "platform/qt/window_impl.h"
#include "platform/qt/window_widget.h"
#include "platform/runtime.h"

namespace platform {

namespace {
using Kind = PropertyValue::Kind;

std::map<std::string, std::shared_ptr<Window>, std::less<>>& Registry() {
  static std::map<std::string, std::shared_ptr<Window>, std::less<>> registry;
  return registry;
}
std::vector<std::shared_ptr<Window>>& ClosedWindows() {
  static std::vector<std::shared_ptr<Window>> closed;
  return closed;
}

std::int64_t IntOr(const Window& w, std::string_view name, std::int64_t fallback) {
  const PropertyValue* v = w.Property(name);
  return v != nullptr ? v->Integer() : fallback;
}
bool BoolOr(const Window& w, std::string_view name, bool fallback) {
  const PropertyValue* v = w.Property(name);
  return v != nullptr ? v->Boolean() : fallback;
}

// Frame type 0 is a document window, 2 a dialog frame; neither blocks other windows.
void ApplyFrame(Window& window, Window::Impl& impl) {
  const bool document = IntOr(window, "Type", 0) == 0;
  const bool titled = document || !window.Title().empty();
  Qt::WindowFlags flags = (document ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint;
  if (titled) flags |= Qt::WindowTitleHint;
  if (BoolOr(window, "HasCloseButton", document)) flags |= Qt::WindowCloseButtonHint;
  if (BoolOr(window, "HasMinimizeButton", document)) flags |= Qt::WindowMinimizeButtonHint;
  if (BoolOr(window, "HasMaximizeButton", document)) flags |= Qt::WindowMaximizeButtonHint;
  impl.host->setWindowFlags(flags);

  const QSize size(int(IntOr(window, "Width", 300)), int(IntOr(window, "Height", 300)));
  if (BoolOr(window, "Resizeable", true)) {
    impl.content->setMinimumSize(int(IntOr(window, "MinimumWidth", 64)), int(IntOr(window, "MinimumHeight", 64)));
    impl.content->setMaximumSize(int(IntOr(window, "MaximumWidth", 32000)), int(IntOr(window, "MaximumHeight", 32000)));
    impl.content->resize(size);
  } else {
    impl.content->setFixedSize(size);
    impl.host->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  if (BoolOr(window, "HasBackgroundColor", false)) {
    QPalette palette = impl.host->palette();
    palette.setColor(QPalette::Window, detail::ToQColor(window.Property("BackgroundColor")->Colour()));
    impl.host->setPalette(palette);
    impl.host->setAutoFillBackground(true);
  }
  if (BoolOr(window, "MenuBarVisible", true)) detail::InstallMenuBar(window, *impl.host, document);
}

void CenterOnScreen(QWidget& host) {
  host.adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    host.move(screen->availableGeometry().center() - host.rect().center());
}
}  // namespace

const ClassRecord& Window::Lookup() {
  static const ClassRecord& record = RuntimeRegisterClass({.name = "Window", .make = MakerOf<Window>()});
  return record;
}

Window::Window() : impl_(std::make_unique<Impl>()) {}

Window::~Window() {
  impl_->controls.clear();
  if (auto* host = static_cast<detail::WindowWidget*>(impl_->host.release())) {
    host->Detach();
    // The widget may be the one whose event closed this window; let Qt delete it after the event.
    host->hide();
    host->deleteLater();
  }
}

const PropertyTable& Window::Properties() const {
  static const PropertyTable table = {
      {"Width", {Kind::Integer, nullptr}},
      {"Height", {Kind::Integer, nullptr}},
      {"MinimumWidth", {Kind::Integer, nullptr}},
      {"MinimumHeight", {Kind::Integer, nullptr}},
      {"MaximumWidth", {Kind::Integer, nullptr}},
      {"MaximumHeight", {Kind::Integer, nullptr}},
      {"Type", {Kind::Integer, nullptr}},
      {"Title",
       {Kind::Text,
        [](Object& o, const PropertyValue& v) {
          if (QWidget* host = static_cast<Window&>(o).Widget()) host->setWindowTitle(QString::fromStdString(v.Text()));
        }}},
      {"HasCloseButton", {Kind::Boolean, nullptr}},
      {"HasMaximizeButton", {Kind::Boolean, nullptr}},
      {"HasMinimizeButton", {Kind::Boolean, nullptr}},
      {"HasFullScreenButton", {Kind::Boolean, nullptr}},
      {"Resizeable", {Kind::Boolean, nullptr}},
      {"Composite", {Kind::Boolean, nullptr}},
      {"MacProcID", {Kind::Integer, nullptr}},
      {"FullScreen", {Kind::Boolean, nullptr}},
      {"DefaultLocation", {Kind::Integer, nullptr}},
      {"Visible",
       {Kind::Boolean,
        [](Object& o, const PropertyValue& v) {
          // While the window is built, showing waits until its controls exist.
          auto& w = static_cast<Window&>(o);
          if (w.impl_->constructed) v.Boolean() ? w.Show() : w.Hide();
        }}},
      {"HasBackgroundColor", {Kind::Boolean, nullptr}},
      {"BackgroundColor", {Kind::Colour, nullptr}},
      {"MenuBarVisible", {Kind::Boolean, nullptr}},
      {"LiveResize", {Kind::Boolean, nullptr}},
  };
  return table;
}

void Window::Constructor() {
  detail::RequireMainThread();
  if (impl_->host != nullptr) throw RuntimeException(Class().name + " is constructed already");
  impl_->content = new QWidget;
  impl_->host = std::make_unique<detail::WindowWidget>(*this, impl_->content);

  RaiseEvent(*this, "Layout");
  RaiseEvent(*this, "CreateControls");
  RaiseEvent(*this, "AddMenuHandlers", *this);
  ApplyFrame(*this, *impl_);
  detail::OrderTabs(*this);

  Registry().insert_or_assign(Class().name, std::static_pointer_cast<Window>(shared_from_this()));
  impl_->constructed = true;
  if (BoolOr(*this, "Visible", false)) Show();
  RaiseEvent(*this, "Open");
}

void Window::Show() {
  detail::RequireMainThread();
  QWidget* host = impl_->host.get();
  if (host == nullptr) throw NilObjectException(Class().name + " is not constructed");
  if (!host->testAttribute(Qt::WA_WState_ExplicitShowHide)) CenterOnScreen(*host);
  host->show();
  host->raise();
  host->activateWindow();
}

void Window::Hide() {
  detail::RequireMainThread();
  if (impl_->host != nullptr) impl_->host->hide();
}

void Window::Close() {
  detail::RequireMainThread();
  if (impl_->host != nullptr) static_cast<detail::WindowWidget*>(impl_->host.get())->CloseByProgram();
}

bool Window::Visible() const {
  detail::RequireMainThread();
  return impl_->host != nullptr && impl_->host->isVisible();
}

std::string Window::Title() const {
  detail::RequireMainThread();
  const PropertyValue* v = Property("Title");
  return v != nullptr ? v->Text() : std::string();
}

void Window::SetAccessibleName(const std::string& name) {
  detail::RequireMainThread();
  QWidget* host = impl_->host.get();
  if (host == nullptr) throw NilObjectException(Class().name + " is not constructed");
  host->setAccessibleName(detail::ToQString(name));
}

QWidget* Window::Widget() const { return impl_->host.get(); }

std::shared_ptr<Object> Window::New(const ClassRecord& controlClass) {
  detail::RequireMainThread();
  std::shared_ptr<Object> object = RuntimeNewObject(controlClass);
  if (auto* control = dynamic_cast<Control*>(object.get())) control->window_ = this;
  return object;
}

void Window::AddControl(const std::string& name, std::shared_ptr<Object> control) {
  detail::RequireMainThread();
  auto* typed = dynamic_cast<Control*>(control.get());
  if (typed == nullptr) throw IllegalCastException("only a control can be added to " + Class().name);
  if (ControlByName(name) != nullptr) throw RuntimeException(Class().name + " has a control named " + name);
  typed->window_ = this;
  typed->name_ = name;
  if (auto* child = dynamic_cast<PaneChild*>(typed)) {
    child->SetWindow(*this);
    child->SetIndex(-2147483648LL);  // no element of a control array
  }
  impl_->controls.emplace_back(name, std::move(control));
}

Object* Window::ControlByName(std::string_view name) const {
  detail::RequireMainThread();
  for (const auto& [controlName, control] : impl_->controls)
    if (controlName == name) return control.get();
  return nullptr;
}

std::size_t Window::ControlCount() const {
  detail::RequireMainThread();
  return impl_->controls.size();
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  detail::RequireMainThread();
  impl_->menuHandlers.insert_or_assign(itemName, std::move(handler));
}

bool Window::HasMenuHandler(std::string_view itemName) const {
  detail::RequireMainThread();
  return impl_->menuHandlers.contains(itemName);
}

void Window::ChooseMenuItem(MenuItem& item) {
  detail::RequireMainThread();
  auto it = impl_->menuHandlers.find(item.Name());
  if (it != impl_->menuHandlers.end() && it->second()) return;
  item.BuiltInAction(*this);
}

void Window::EnableMenuItems() {
  detail::RequireMainThread();
  Application* app = GetAppObject();
  if (app == nullptr || app->MenuBar() == nullptr) return;
  std::function<void(MenuItem&)> reset = [&](MenuItem& item) {
    item.SetEnabled(item.AutoEnabled() || detail::EditCommandAvailable(*this, item.Name()));
    for (std::size_t i = 0; i < item.Count(); ++i) reset(item.Item(i));
  };
  reset(*app->MenuBar());
  RaiseEvent(*this, "EnableMenuItems");
  detail::SyncMenuActions(*this);
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
  detail::RequireMainThread();
  auto it = Registry().find(className);
  return it == Registry().end() ? nullptr : it->second;
}

namespace detail {
void Unregister(Window& window) {
  auto& registry = Registry();
  auto it = registry.find(window.Class().name);
  if (it != registry.end() && it->second.get() == &window) {
    ClosedWindows().push_back(std::move(it->second));
    registry.erase(it);
  }
}
void ReleaseClosedWindows() { ClosedWindows().clear(); }
void ReleaseAllWindows() {
  ClosedWindows().clear();
  Registry().clear();
}
}  // namespace detail

}  // namespace platform
