#pragma once
// The calculator window, the application's main window.
//
//   the About window hands over --> ControlWnd::ControlWnd() builds the one window:
//       Layout (window properties), CreateControls (21 controls from the layout table, their
//       events wired to the handlers below), AddMenuHandlers (the About command), then Open
//       writes today's date into the date-of-testing row
//   Calculate --> six field texts --> calc::CalculateAge --> a message box and the focus on the
//       offending field, or the age in the three read-only result fields
//   Clear, "?", the title picture, keys, clicks and the pointer leaving --> field texts, focus
//       and the help paragraph Purpose
// The window holds no state of its own: the controls are the data, each found again by its
// name on every use. The About window is reached only through AboutWnd::AboutWnd().

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/object.h"
#include "platform/window.h"

namespace ControlWnd {

class ControlWnd : public platform::Window {
 public:
  // The class record, made once and kept by the runtime under "ControlWnd.ControlWnd".
  static void ctblinit();
  static const platform::ClassRecord& Lookup();

  // Window events raised while the platform builds the window.
  void Layout();
  void CreateControls();
  void CreateControls0();

  // The controls, in creation order. Title is the banner canvas; the window's caption stays
  // reachable as platform::Window::Title().
  platform::Label& Purpose() const;
  platform::PushButton& CalcBtn() const;
  platform::PushButton& ClearBtn() const;
  platform::Canvas& Title() const;
  platform::TextField& DOTyFld() const;
  platform::TextField& DOTmFld() const;
  platform::TextField& DOTdFld() const;
  platform::TextField& DOByFld() const;
  platform::TextField& DOBmFld() const;
  platform::TextField& DOBdFld() const;
  platform::TextField& AgeYFld() const;
  platform::TextField& AgeMfld() const;
  platform::TextField& AgeDFld() const;
  platform::PushButton& HelpBtn() const;
  platform::Canvas& Canvas1() const;
  platform::Canvas& Canvas2() const;
  platform::Canvas& Canvas3() const;
  platform::Canvas& Canvas4() const;
  platform::Canvas& Canvas5() const;
  platform::Canvas& Canvas6() const;
  platform::Label& Label1() const;

  // Control events.
  void CalcBtn_Action(platform::PushButton& button);
  void ClearBtn_Action(platform::PushButton& button);
  void Title_MouseExit(platform::Canvas& canvas);
  void Title_MouseEnter(platform::Canvas& canvas);
  void HelpBtn_Action(platform::PushButton& button);

  // Window events. The Boolean ones return false so the event goes on to its default handling.
  void AddMenuHandlers(platform::Window& window);
  bool Event_KeyDown(const std::string& key);
  void Event_Close();
  bool Event_MouseDown(std::int64_t x, std::int64_t y);
  void Event_MouseExit();
  void Event_Activate();
  void Event_EnableMenuItems();
  void Event_Open();

  // The About command, bound to the menu item named "AboutTavrel".
  bool AboutTavrel_Action();
};

// The one calculator window, built on the first call. Nothing is kept here: the platform's
// registry of windows remembers it. A window that exists is returned as it is, shown or hidden.
class ControlWnd& ControlWnd();

}  // namespace ControlWnd
