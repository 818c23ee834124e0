#include "platform/qt/window_widget.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "platform/controls.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/qt_values.h"
#include "platform/qt/window_impl.h"
#include "platform/window.h"

namespace platform::detail {

namespace {
// Return presses the first Default button, Escape the first Cancel button, in creation order.
bool PressStandardButton(Window& window, int key) {
  const char* role = nullptr;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) role = "Default";
  if (key == Qt::Key_Escape) role = "Cancel";
  if (role == nullptr) return false;
  for (const auto& [name, object] : WindowAccess::Of(window).controls) {
    auto* button = dynamic_cast<PushButton*>(object.get());
    const PropertyValue* flag = button != nullptr ? button->Property(role) : nullptr;
    if (flag != nullptr && flag->Boolean() && button->Visible() && button->Enabled()) {
      button->Push();
      return true;
    }
  }
  return false;
}

// A screen reader announces a document frame as a frame and a dialog frame as a dialog, as it
// does a desktop's own windows; a plain top-level widget would be a mere "filler". The role is
// read from the frame each time: Qt makes the interface as soon as the title is set, before
// the window's frame is applied.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* host) : QAccessibleWidget(host, QAccessible::Window) {}
  QAccessible::Role role() const override {
    return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
  }
};

// The window widget has no meta-object of its own, so Qt asks with QWidget's class name.
QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QWidget")) return nullptr;
  auto* host = dynamic_cast<WindowWidget*>(object);
  return host != nullptr ? new WindowAccessible(host) : nullptr;
}

bool IsModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch: return true;
    default: return false;
  }
}
}  // namespace

WindowWidget::WindowWidget(Window& window, QWidget* content) : window_(&window), content_(content) {
  [[maybe_unused]] static const bool accessibleAsWindow = (QAccessible::installFactory(&WindowAccessibleFactory), true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(content);
  // No focus of its own: Tab stays among the controls, and a window without any still gets
  // the keys, since Qt hands them to the window when nothing has the focus.
  setFocusPolicy(Qt::NoFocus);
}

void WindowWidget::CloseByProgram() {
  closingByProgram_ = true;
  close();
  closingByProgram_ = false;
}

bool WindowWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && window_ != nullptr) {
    Window* w = window_;
    Dispatch(w, [w] { RaiseEvent(*w, "Activate"); });
  }
  return QWidget::event(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  bool handled = false;
  // A modifier held down is the start of a shortcut, not a key press of its own: Ctrl+Q must
  // reach the Quit item before Ctrl alone hands the About window over.
  if (Window* w = window_; w != nullptr && !IsModifierKey(event->key())) {
    Dispatch(w, [&] {
      handled = RaiseEvent(*w, "KeyDown", ToStdString(event->text())).value_or(false);
      if (!handled) handled = PressStandardButton(*w, event->key());
    });
  }
  if (!handled) QWidget::keyPressEvent(event);
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  bool handled = false;
  if (Window* w = window_) {
    const QPoint at = content_->mapFrom(this, event->position().toPoint());
    Dispatch(
        w, [&] { handled = RaiseEvent(*w, "MouseDown", std::int64_t{at.x()}, std::int64_t{at.y()}).value_or(false); });
  }
  if (!handled) QWidget::mousePressEvent(event);
}

void WindowWidget::leaveEvent(QEvent* event) {
  if (Window* w = window_) Dispatch(w, [w] { RaiseEvent(*w, "MouseExit"); });
  QWidget::leaveEvent(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  Window* w = window_;
  const PropertyValue* closable = w != nullptr ? w->Property("HasCloseButton") : nullptr;
  // A window without a close button offers the user no way to close it.
  if (w == nullptr || (!closingByProgram_ && (closable == nullptr || !closable->Boolean()))) {
    event->ignore();
    return;
  }
  bool refused = false;
  Dispatch(w, [&] {
    refused = RaiseEvent(*w, "CancelClose").value_or(false);
    if (!refused) {
      RaiseEvent(*w, "Close");
      Unregister(*w);
    }
  });
  refused ? event->ignore() : event->accept();
}

}  // namespace platform::detail
