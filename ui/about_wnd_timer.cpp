#include "ui/about_wnd_timer.h"

namespace AboutWnd {

void _wrapper_Timer1::SetWindow(platform::Window& window) {
  // Shares the window's ownership only to point at it; the weak reference keeps nothing alive.
  ownerWindow = std::shared_ptr<platform::Window>(window.weak_from_this().lock(), &window);
}

std::shared_ptr<platform::Window> _wrapper_Timer1::Window() const { return ownerWindow.lock(); }

std::int64_t _wrapper_Timer1::Index_() const { return Index; }

void _wrapper_Timer1::SetIndex(std::int64_t index) { Index = index; }

void _wrapper_Timer1::Constructor() { platform::Timer::Constructor(); }

}  // namespace AboutWnd
