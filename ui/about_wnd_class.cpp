// The About window's class record, its timer's class record, and the window's single instance.

#include <memory>
#include <string_view>

#include "ui/about_wnd.h"
#include "ui/single_instance.h"

namespace AboutWnd {
namespace {

constexpr std::string_view kClassName = "AboutWnd.AboutWnd";
constexpr std::string_view kTimerClassName = "AboutWnd._wrapper_Timer1";

platform::ClassRecord MakeRecord() {
  using W = class AboutWnd;
  platform::ClassRecord record;
  record.name = kClassName;
  record.base = &platform::Window::Lookup();
  record.operations = {
      {"AboutWnd.Layout", ""},
      {"AboutWnd.CreateControls", ""},
      {"AboutWnd._CreateControls0", "Hidden"},
      {"titlesplash", ""},
      {"AboutWnd.Label1", ""},
      {"Timer1", ""},
      {"AboutWnd.Canvas1", ""},
      {"Timer1_Action", ""},
      {"AboutWnd.AddMenuHandlers", ""},
      {"AboutWnd.Event_KeyDown", ""},
      {"AboutWnd.Event_MouseDown", ""},
      {"_AboutMenuItem_Action", ""},
  };
  // Five window events, in the platform's order. Open, Close, Activate and the rest keep the
  // default handling: the About window does nothing of its own when it opens or closes.
  record.events = {
      platform::BindEvent("AddMenuHandlers", "AboutWnd.AddMenuHandlers", &W::AddMenuHandlers),
      platform::BindEvent("CreateControls", "AboutWnd.CreateControls", &W::CreateControls),
      platform::BindEvent("KeyDown", "AboutWnd.Event_KeyDown", &W::Event_KeyDown),
      platform::BindEvent("Layout", "AboutWnd.Layout", &W::Layout),
      platform::BindEvent("MouseDown", "AboutWnd.Event_MouseDown", &W::Event_MouseDown),
  };
  record.make = platform::MakerOf<W>();
  return record;
}

platform::ClassRecord MakeTimerRecord() {
  platform::ClassRecord record;
  record.name = kTimerClassName;
  record.base = &platform::Timer::Lookup();
  record.operations = {
      {"_SetWindow", "Hidden"}, {"AboutWnd._wrapper_Timer1.Window", ""},      {"_Index", "Hidden"},
      {"_SetIndex", "Hidden"},  {"AboutWnd._wrapper_Timer1.Constructor", ""},
  };
  record.make = platform::MakerOf<_wrapper_Timer1>();
  return record;
}

}  // namespace

void AboutWnd::ctblinit() {
  if (platform::RuntimeFindClass(kClassName) == nullptr) platform::RuntimeRegisterClass(MakeRecord());
}

const platform::ClassRecord& AboutWnd::Lookup() { return platform::RuntimeLookupClass(kClassName, &ctblinit); }

void _wrapper_Timer1::ctblinit() {
  if (platform::RuntimeFindClass(kTimerClassName) == nullptr) platform::RuntimeRegisterClass(MakeTimerRecord());
}

const platform::ClassRecord& _wrapper_Timer1::Lookup() { return platform::RuntimeLookupClass(kTimerClassName, &ctblinit); }

class AboutWnd& AboutWnd() { return ui::ImplicitInstance<class AboutWnd>(kClassName); }

}  // namespace AboutWnd
