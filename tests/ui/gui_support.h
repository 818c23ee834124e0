#pragma once
// What the window tests share: a fixed day, the application object with its menu bar, and
// short ways to reach the widgets behind the controls. Modal boxes are gui_test::ModalWatchdog's.

#include <QImage>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/controls.h"
#include "platform/values.h"
#include "platform/window.h"

class QLineEdit;

namespace AboutWnd {
class AboutWnd;
}

namespace ui_test {

// Today is the given day while this lives; then the day before it comes back.
class FixedDay {
 public:
  FixedDay(std::int64_t year, std::int64_t month, std::int64_t day);
  ~FixedDay();
  FixedDay(const FixedDay&) = delete;
  FixedDay& operator=(const FixedDay&) = delete;

 private:
  platform::CivilDate previous_;
  bool hadPrevious_;
};

// The application object with its menu bar, as start-up installs them.
void RegisterTestApplication();

// The About window built as at start-up and hidden, with its one-shot timer switched off so
// that no hand-over lands in the middle of a calculator test.
class AboutWnd::AboutWnd& QuietAboutWindow();

QLineEdit* Edit(const platform::TextField& field);
// The widget that has, or gets back, the keyboard focus in the window, active or not.
QWidget* FocusIn(const platform::Window& window);
bool HasFocus(const platform::Window& window, const platform::RectControl& control);
// Empties the field and types the text into it, key by key.
void Retype(platform::TextField& field, std::string_view text);
// A picture file read directly with Qt from the source tree, independently of the program.
QImage PictureFile(std::string_view fileName);
// Whether the picture holds exactly the image's pixels.
bool SamePixels(const platform::Picture& picture, const QImage& image);

// Processes events until the condition holds or the time is up; gives the condition.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace ui_test
