// The calculator window's class record and its single instance.

#include <memory>
#include <string_view>

#include "ui/control_wnd.h"
#include "ui/single_instance.h"

namespace ControlWnd {
namespace {

constexpr std::string_view kClassName = "ControlWnd.ControlWnd";

platform::ClassRecord MakeRecord() {
  using W = class ControlWnd;
  platform::ClassRecord record;
  record.name = kClassName;
  record.base = &platform::Window::Lookup();
  // The class's own operations after the inherited ones, in the order the runtime lists them.
  record.operations = {
      {"ControlWnd.Layout", ""},
      {"ControlWnd.CreateControls", ""},
      {"ControlWnd._CreateControls0", "Hidden"},
      {"Purpose", ""},
      {"CalcBtn", ""},
      {"ClearBtn", ""},
      {"Title", ""},
      {"DOTyFld", ""},
      {"DOTmFld", ""},
      {"DOTdFld", ""},
      {"DOByFld", ""},
      {"DOBmFld", ""},
      {"DOBdFld", ""},
      {"AgeYFld", ""},
      {"AgeMfld", ""},
      {"AgeDFld", ""},
      {"HelpBtn", ""},
      {"ControlWnd.Canvas1", ""},
      {"Canvas2", ""},
      {"Canvas3", ""},
      {"Canvas4", ""},
      {"Canvas5", ""},
      {"Canvas6", ""},
      {"ControlWnd.Label1", ""},
      {"CalcBtn_Action", ""},
      {"ClearBtn_Action", ""},
      {"Title_MouseExit", ""},
      {"Title_MouseEnter", ""},
      {"HelpBtn_Action", ""},
      {"ControlWnd.AddMenuHandlers", ""},
      {"ControlWnd.Event_KeyDown", ""},
      {"Event_Close", ""},
      {"ControlWnd.Event_MouseDown", ""},
      {"Event_MouseExit", ""},
      {"Event_Activate", ""},
      {"Event_EnableMenuItems", ""},
      {"Event_Open", ""},
      {"_AboutTavrel_Action", ""},
  };
  // The ten window events the class answers, in the platform's order; every other event gets
  // the default handling (no CancelClose, so a close is never refused).
  record.events = {
      platform::BindEvent("Activate", "Event_Activate", &W::Event_Activate),
      platform::BindEvent("AddMenuHandlers", "ControlWnd.AddMenuHandlers", &W::AddMenuHandlers),
      platform::BindEvent("Close", "Event_Close", &W::Event_Close),
      platform::BindEvent("CreateControls", "ControlWnd.CreateControls", &W::CreateControls),
      platform::BindEvent("EnableMenuItems", "Event_EnableMenuItems", &W::Event_EnableMenuItems),
      platform::BindEvent("KeyDown", "ControlWnd.Event_KeyDown", &W::Event_KeyDown),
      platform::BindEvent("Layout", "ControlWnd.Layout", &W::Layout),
      platform::BindEvent("MouseDown", "ControlWnd.Event_MouseDown", &W::Event_MouseDown),
      platform::BindEvent("MouseExit", "Event_MouseExit", &W::Event_MouseExit),
      platform::BindEvent("Open", "Event_Open", &W::Event_Open),
  };
  record.make = platform::MakerOf<W>();
  return record;
}

}  // namespace

void ControlWnd::ctblinit() {
  if (platform::RuntimeFindClass(kClassName) == nullptr) platform::RuntimeRegisterClass(MakeRecord());
}

const platform::ClassRecord& ControlWnd::Lookup() { return platform::RuntimeLookupClass(kClassName, &ctblinit); }

class ControlWnd& ControlWnd() { return ui::ImplicitInstance<class ControlWnd>(kClassName); }

}  // namespace ControlWnd
