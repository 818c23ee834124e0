#pragma once
// Inside the platform only: whether Qt's application will find its display.

#include <optional>
#include <string>

struct xcb_connection_t;

namespace platform::detail {

// Opens the X display that Qt would use, before Qt does, since Qt aborts the process when it
// cannot. The connection is held for as long as this lives: an X server with no other client
// resets when its last one leaves, and Qt, connecting then, would wait for the reset or fail.
// A platform other than X11 (a Wayland session, QT_QPA_PLATFORM=offscreen) is Qt's to judge.
class DisplayCheck {
 public:
  DisplayCheck();
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

  // Why the display cannot be opened, in a few words that name it, or nothing.
  const std::optional<std::string>& Problem() const { return problem_; }

 private:
  xcb_connection_t* connection_ = nullptr;
  std::optional<std::string> problem_;
};

}  // namespace platform::detail
