#pragma once
// The Qt side of a Window: the top-level widget that turns Qt's events into window events.

#include <QWidget>

namespace platform {
class Window;
}

namespace platform::detail {

class WindowWidget : public QWidget {
 public:
  WindowWidget(Window& window, QWidget* content);
  // A program's Close may close a window the user cannot.
  void CloseByProgram();
  // The window is gone; events still queued for this widget are dropped.
  void Detach() { window_ = nullptr; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Window* window_;
  QWidget* content_;
  bool closingByProgram_ = false;
};

}  // namespace platform::detail
