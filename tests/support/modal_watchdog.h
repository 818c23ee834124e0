#pragma once
// ModalWatchdog: keeps a GUI test from hanging on a modal dialog.
//
// While a watchdog lives (create it on the test's stack), it looks every 20 ms for a modal
// widget or a visible message box, records the box's text and dismisses it (its escape button,
// else reject, else close), so the code that opened it goes on. The test then claims what it
// expected with Take(); a box that no one claimed fails the test when the watchdog is destroyed.
// Checks run on the main thread from the event loop, so they also run inside a dialog's own
// loop (QDialog::exec, QMessageBox::exec). When watchdogs nest, the innermost one acts.
//
//   gui_test::ModalWatchdog watchdog;               // or ModalWatchdog(namer) to record focus
//   window.Push();                                  // opens a box
//   EXPECT_THAT(watchdog.Take(), ElementsAre(Field(&Box::text, "...")));
//   EXPECT_TRUE(watchdog.NoBox());                  // "no unexpected box" at any point
//
// With a FocusNamer the watchdog also records, for each box, the widget that had the keyboard
// focus in the box's parent window at that moment (nullptr when the box has no parent), named by
// the test, e.g. after the control it belongs to. Without one, Box::FocusWasOn still tells
// whether a widget had the focus in any other visible window when the box appeared.
//
// WatchedTest (and WatchedTableTest<Row> for TEST_P tables) is a fixture whose `watchdog` lives
// for the whole test, so a box that nothing expected fails that test instead of hanging it.
// Beneath every test's own watchdog, the test main keeps one made with FailEveryBox: while no
// other watchdog lives, a box fails the running test at once, and is dismissed all the same.

#include <gtest/gtest.h>

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace gui_test {

class ModalWatchdog {
 public:
  struct Box {
    std::string text;   // a message box's text, else the dialog's window title
    std::string focus;  // what the FocusNamer said; empty without one
    // The widget with the keyboard focus in each other visible window at that moment.
    std::vector<QPointer<QWidget>> focusBehind;
    bool FocusWasOn(const QWidget* widget) const;
  };
  using FocusNamer = std::function<std::string(QWidget* focused)>;
  struct FailEveryBox {};

  explicit ModalWatchdog(FocusNamer namer = {});
  // For the test main: no test is there to claim a box, so each one fails the running test.
  explicit ModalWatchdog(FailEveryBox);
  ~ModalWatchdog();
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

  // The boxes seen since the last Take, in order; they count as expected from now on.
  std::vector<Box> Take();
  // Runs the event loop until `count` boxes wait to be taken, or the timeout passes.
  bool WaitForBoxes(std::size_t count, int timeoutMs = 5000);
  // Success when no box waits to be taken; else a failure that lists their texts.
  testing::AssertionResult NoBox() const;

 private:
  void Poll();
  void Dismiss(QWidget* box);

  FocusNamer namer_;
  bool failEveryBox_ = false;
  QTimer timer_;
  std::vector<Box> seen_;
  std::vector<QPointer<QWidget>> dismissing_;  // recorded, not yet gone
};

class WatchedTest : public testing::Test {
 protected:
  ModalWatchdog watchdog;
};

template <class Row>
class WatchedTableTest : public WatchedTest, public testing::WithParamInterface<Row> {};

}  // namespace gui_test
