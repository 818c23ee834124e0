#include "tests/ui/gui_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "platform/application.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/runtime.h"
#include "ui/about_wnd.h"

namespace ui_test {

namespace {

struct WatchdogState {
  int expecting = 0;
  std::vector<SeenBox> seen;
};

WatchdogState& Watchdog() {
  static WatchdogState state;
  return state;
}

void Inspect() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  SeenBox box;
  if (auto* message = qobject_cast<QMessageBox*>(modal))
    box.text = message->text().toStdString();
  else
    box.text = "modal " + std::string(modal->metaObject()->className()) + " " + modal->windowTitle().toStdString();
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top != modal && top->isVisible()) box.focusBehind.emplace_back(top->focusWidget());

  if (auto* dialog = qobject_cast<QDialog*>(modal))
    dialog->done(QDialog::Accepted);
  else
    modal->close();

  if (Watchdog().expecting == 0) ADD_FAILURE() << "unexpected modal box: \"" << box.text << "\"";
  Watchdog().seen.push_back(std::move(box));
}

std::optional<platform::CivilDate>& FixedToday() {
  static std::optional<platform::CivilDate> today;
  return today;
}

platform::CivilDate Today() { return *FixedToday(); }

template <class T>
std::shared_ptr<T> NewObject() {
  std::shared_ptr<platform::Object> object = platform::RuntimeNewObject(T::Lookup());
  return std::shared_ptr<T>(object, &platform::RuntimeCheckCast<T>(object));
}

}  // namespace

bool SeenBox::FocusWasOn(const QWidget* widget) const {
  for (const auto& focus : focusBehind)
    if (focus == widget) return true;
  return false;
}

ExpectBoxes::ExpectBoxes() {
  ++Watchdog().expecting;
  Watchdog().seen.clear();
}

ExpectBoxes::~ExpectBoxes() { --Watchdog().expecting; }

const std::vector<SeenBox>& ExpectBoxes::seen() const { return Watchdog().seen; }

void InstallModalWatchdog() {
  auto* timer = new QTimer(QCoreApplication::instance());
  QObject::connect(timer, &QTimer::timeout, &Inspect);
  timer->start(20);
}

FixedDay::FixedDay(std::int64_t year, std::int64_t month, std::int64_t day)
    : previous_(FixedToday().value_or(platform::CivilDate{})), hadPrevious_(FixedToday().has_value()) {
  FixedToday() = platform::CivilDate{year, month, day};
  platform::SetTodayFunction(&Today);
}

FixedDay::~FixedDay() {
  if (hadPrevious_) {
    FixedToday() = previous_;
  } else {
    FixedToday().reset();
    platform::SetTodayFunction(nullptr);
  }
}

void RegisterTestApplication() {
  auto about = NewObject<platform::AppleMenuItem>();
  about->SetName("AboutTavrel");
  about->SetValue("About Tavrel");
  auto edit = NewObject<platform::MenuItem>();
  edit->SetName("UntitledMenu0");
  edit->SetValue("Edit");
  edit->AddMenu(about);
  auto bar = NewObject<platform::MenuBar>();
  bar->AddMenu(edit);
  auto app = NewObject<platform::Application>();
  app->SetMenuBar(bar);
  platform::RuntimeRegisterAppObject(app);
}

class AboutWnd::AboutWnd& QuietAboutWindow() {
  auto& about = AboutWnd::AboutWnd();
  about.Timer1().SetRunMode(0);
  about.Hide();
  return about;
}

QLineEdit* Edit(const platform::TextField& field) { return qobject_cast<QLineEdit*>(field.Widget()); }

QWidget* FocusIn(const platform::Window& window) { return window.Widget()->focusWidget(); }

bool HasFocus(const platform::Window& window, const platform::RectControl& control) {
  return FocusIn(window) == control.Widget();
}

void Retype(platform::TextField& field, std::string_view text) {
  field.SetText("");
  QTest::keyClicks(field.Widget(), QString::fromUtf8(text.data(), qsizetype(text.size())));
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  QDeadlineTimer deadline(timeout);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(10);
  }
  return true;
}

}  // namespace ui_test
