// The calculator window's handlers other than Calculate.

#include "platform/runtime.h"
#include "platform/values.h"
#include "platform/values/str.h"
#include "ui/about_item.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace ControlWnd {
namespace {

void WriteToday(const class ControlWnd& window) {
  const platform::Date today;
  window.DOTyFld().SetText(platform::Str(today.Year()));
  window.DOTmFld().SetText(platform::Str(today.Month()));
  window.DOTdFld().SetText(platform::Str(today.Day()));
}

}  // namespace

void ControlWnd::ClearBtn_Action(platform::PushButton&) {
  DOByFld().SetText("");
  DOBmFld().SetText("");
  DOBdFld().SetText("");
  DOTyFld().SetText("");
  DOTmFld().SetText("");
  DOTdFld().SetText("");
  AgeYFld().SetText("");
  AgeMfld().SetText("");
  AgeDFld().SetText("");
  DOTyFld().SetFocus();
  Purpose().SetVisible(false);
  // The date of the click, not of the window's opening.
  WriteToday(*this);
}

// Leaving the title picture keeps the help paragraph as it is; only entering it hides it.
void ControlWnd::Title_MouseExit(platform::Canvas&) {}

void ControlWnd::Title_MouseEnter(platform::Canvas&) { Purpose().SetVisible(false); }

// The only way the help paragraph is shown; pressing "?" again leaves it shown.
void ControlWnd::HelpBtn_Action(platform::PushButton&) { Purpose().SetVisible(true); }

void ControlWnd::AddMenuHandlers(platform::Window& window) {
  auto& self = platform::RuntimeCheckCast<class ControlWnd>(&window);
  AddMenuHandler("AboutTavrel", [&self] { return self.AboutTavrel_Action(); });
}

bool ControlWnd::Event_KeyDown(const std::string&) {
  Purpose().SetVisible(false);
  return false;
}

void ControlWnd::Event_Close() { platform::Quit(0); }

bool ControlWnd::Event_MouseDown(std::int64_t, std::int64_t) {
  Purpose().SetVisible(false);
  return false;
}

void ControlWnd::Event_MouseExit() { Purpose().SetVisible(false); }

// The About window stays up only until the calculator window is active again.
void ControlWnd::Event_Activate() { ::AboutWnd::AboutWnd().Hide(); }

// The About item is built without AutoEnabled, so this is what makes it choosable.
void ControlWnd::Event_EnableMenuItems() { AboutTavrel().SetEnabled(true); }

void ControlWnd::Event_Open() { WriteToday(*this); }

bool ControlWnd::AboutTavrel_Action() {
  ::AboutWnd::AboutWnd().Show();
  return false;
}

}  // namespace ControlWnd
