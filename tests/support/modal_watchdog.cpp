#include "tests/support/modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace gui_test {

namespace {
constexpr int kPollMs = 20;

// Live watchdogs, innermost last: only the innermost acts, so a test's own watchdog (with a
// FocusNamer, say) takes over from its fixture's for as long as it lives.
std::vector<ModalWatchdog*>& Live() {
  static std::vector<ModalWatchdog*> live;
  return live;
}

std::string TextOf(QWidget* box) {
  if (auto* message = qobject_cast<QMessageBox*>(box)) return message->text().toStdString();
  return box->windowTitle().toStdString();
}

// Modal widgets in the order they stack, plus message boxes shown without being modal.
std::vector<QWidget*> OpenBoxes() {
  std::vector<QWidget*> boxes;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    if (top->isModal() || qobject_cast<QMessageBox*>(top) != nullptr) boxes.push_back(top);
  }
  if (QWidget* modal = QApplication::activeModalWidget();
      modal != nullptr && std::find(boxes.begin(), boxes.end(), modal) == boxes.end())
    boxes.push_back(modal);
  return boxes;
}

// The keyboard focus of every visible window but the box, as the user left it behind the box.
std::vector<QPointer<QWidget>> FocusBehind(const QWidget* box) {
  std::vector<QPointer<QWidget>> focus;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top != box && top->isVisible() && top->focusWidget() != nullptr) focus.emplace_back(top->focusWidget());
  return focus;
}
}  // namespace

bool ModalWatchdog::Box::FocusWasOn(const QWidget* widget) const {
  return std::any_of(focusBehind.begin(), focusBehind.end(), [widget](const auto& focus) { return focus == widget; });
}

ModalWatchdog::ModalWatchdog(FocusNamer namer) : namer_(std::move(namer)) {
  Live().push_back(this);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start(kPollMs);
}

ModalWatchdog::ModalWatchdog(FailEveryBox) : ModalWatchdog() { failEveryBox_ = true; }

ModalWatchdog::~ModalWatchdog() {
  timer_.stop();
  std::erase(Live(), this);
  if (!seen_.empty()) ADD_FAILURE() << NoBox().message();
}

void ModalWatchdog::Poll() {
  if (Live().back() != this) return;
  std::erase_if(dismissing_, [](const QPointer<QWidget>& box) { return box == nullptr || !box->isVisible(); });
  for (QWidget* box : OpenBoxes()) {
    const bool known = std::any_of(dismissing_.begin(), dismissing_.end(), [box](const auto& b) { return b == box; });
    if (!known) {
      QWidget* parentWindow = box->parentWidget() != nullptr ? box->parentWidget()->window() : nullptr;
      QWidget* focused = parentWindow != nullptr ? parentWindow->focusWidget() : nullptr;
      Box seen{TextOf(box), namer_ ? namer_(focused) : std::string(), FocusBehind(box)};
      if (failEveryBox_)
        ADD_FAILURE() << "unexpected modal box: \"" << seen.text << "\"";
      else
        seen_.push_back(std::move(seen));
      dismissing_.emplace_back(box);
    }
    // Dismissing again on a later poll is harmless, and gets past a box that ignored the first try.
    Dismiss(box);
  }
}

void ModalWatchdog::Dismiss(QWidget* box) {
  if (auto* message = qobject_cast<QMessageBox*>(box)) {
    if (QAbstractButton* escape = message->escapeButton()) {
      escape->click();
      return;
    }
  }
  if (auto* dialog = qobject_cast<QDialog*>(box)) {
    dialog->reject();
    return;
  }
  box->close();
}

std::vector<ModalWatchdog::Box> ModalWatchdog::Take() { return std::exchange(seen_, {}); }

bool ModalWatchdog::WaitForBoxes(std::size_t count, int timeoutMs) {
  return QTest::qWaitFor([&] { return seen_.size() >= count; }, timeoutMs);
}

testing::AssertionResult ModalWatchdog::NoBox() const {
  if (seen_.empty()) return testing::AssertionSuccess();
  testing::AssertionResult failure = testing::AssertionFailure();
  failure << seen_.size() << " unexpected modal box(es):";
  for (const Box& box : seen_) failure << "\n  \"" << box.text << "\"";
  return failure;
}

}  // namespace gui_test
