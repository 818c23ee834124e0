#include "tests/ui/gui_support.h"

#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <optional>

#include "platform/object.h"
#include "platform/runtime.h"
#include "tests/app/registered_app.h"
#include "ui/about_wnd.h"

namespace ui_test {

namespace {

std::optional<platform::CivilDate>& FixedToday() {
  static std::optional<platform::CivilDate> today;
  return today;
}

platform::CivilDate Today() { return *FixedToday(); }

}  // namespace

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

// Registered for the rest of the process, as start-up registers it.
void RegisterTestApplication() { static const app_test::RegisteredApp registered; }

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

QImage PictureFile(std::string_view fileName) {
  return QImage(QStringLiteral(TAVREL_PICTURE_SOURCE_DIR "/") +
                QString::fromUtf8(fileName.data(), qsizetype(fileName.size())));
}

bool SamePixels(const platform::Picture& picture, const QImage& image) {
  if (image.isNull() || picture.Width() != image.width() || picture.Height() != image.height()) return false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (picture.Pixel(x, y) != image.pixel(x, y)) return false;
  return true;
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
