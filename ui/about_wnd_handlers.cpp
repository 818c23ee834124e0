// The About window's handlers: the hand-over to the calculator window, and the menu binding.

#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace AboutWnd {
namespace {

// The timer, a key press and a click all end the About window's turn the same way. Both
// windows come from their accessors, not from the object the event reached: the first
// hand-over of the process builds the calculator window, which shows it.
void HandOver() {
  ::AboutWnd::AboutWnd().Hide();
  ::ControlWnd::ControlWnd().Show();
}

}  // namespace

void AboutWnd::Timer1_Action(platform::Timer&) { HandOver(); }

bool AboutWnd::Event_KeyDown(const std::string&) {
  HandOver();
  return false;
}

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
  HandOver();
  return false;
}

void AboutWnd::AddMenuHandlers(platform::Window& window) {
  auto& self = platform::RuntimeCheckCast<class AboutWnd>(&window);
  AddMenuHandler("AboutMenuItem", [&self] { return self.AboutMenuItem_Action(); });
}

bool AboutWnd::AboutMenuItem_Action() {
  ::AboutWnd::AboutWnd().Show();
  return false;
}

}  // namespace AboutWnd
