#pragma once
// What the window tests share: a watchdog for modal boxes, a fixed day, the application object
// with its About item, and short ways to reach the widgets behind the controls.

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/values.h"
#include "platform/window.h"

class QLineEdit;

namespace AboutWnd {
class AboutWnd;
}

namespace ui_test {

// A modal box as the watchdog found it, before it dismissed it.
struct SeenBox {
  std::string text;
  // The focus widget of every other visible window at that moment.
  std::vector<QPointer<QWidget>> focusBehind;
  bool FocusWasOn(const QWidget* widget) const;
};

// Boxes are welcome while one of these lives, and collected for the test; a box that opens
// when none lives fails the running test. Either way the box is dismissed, so nothing hangs.
class ExpectBoxes {
 public:
  ExpectBoxes();
  ~ExpectBoxes();
  ExpectBoxes(const ExpectBoxes&) = delete;
  ExpectBoxes& operator=(const ExpectBoxes&) = delete;
  const std::vector<SeenBox>& seen() const;
};

// Started by the test main, on the main thread, after the QApplication exists.
void InstallModalWatchdog();

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

// The application object with a menu bar that holds the About item, as start-up installs it.
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
// Processes events until the condition holds or the time is up; gives the condition.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace ui_test
