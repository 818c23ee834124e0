#pragma once
// The About window: the first window of the application and its splash screen. It shows the
// title picture, the icon and a one-line notice, and hands over to the calculator window when
// its one-shot timer fires (4000 ms after it is built), or at once on a key press or a click.
// The timer is never stopped, so it hands over once more if a key or click came first.
// Both windows are reached only through their single-instance accessors.

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/object.h"
#include "platform/window.h"
#include "ui/about_wnd_timer.h"

namespace AboutWnd {

class AboutWnd : public platform::Window {
 public:
  // The class record, made once and kept by the runtime under "AboutWnd.AboutWnd".
  static void ctblinit();
  static const platform::ClassRecord& Lookup();

  // Window events raised while the platform builds the window.
  void Layout();
  void CreateControls();
  void CreateControls0();

  // The controls, in creation order.
  platform::Canvas& titlesplash() const;
  platform::Label& Label1() const;
  platform::Timer& Timer1() const;
  platform::Canvas& Canvas1() const;

  // The hand-over. The Boolean handlers return false so the event goes on to its default handling.
  void Timer1_Action(platform::Timer& timer);
  void AddMenuHandlers(platform::Window& window);
  bool Event_KeyDown(const std::string& key);
  bool Event_MouseDown(std::int64_t x, std::int64_t y);

  // Bound to the item name "AboutMenuItem", which no item of the menu bar carries; the About
  // command that works is the calculator window's.
  bool AboutMenuItem_Action();
};

// The one About window, built on the first call, which shows it. Nothing is kept here: the
// platform's registry of windows remembers it. A window that exists is returned as it is,
// shown or hidden.
class AboutWnd& AboutWnd();

}  // namespace AboutWnd
