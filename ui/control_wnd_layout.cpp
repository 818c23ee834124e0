// The calculator window's layout: its property block and its 21 controls in creation order.

#include <vector>

#include "platform/window_builder.h"
#include "ui/control_wnd.h"
#include "ui/layout_rows.h"
#include "ui/pictures.h"
#include "ui/wording.h"

namespace ControlWnd {
namespace {

using W = class ControlWnd;
using platform::Color;
using platform::Wire;
using ui::FieldKind;
using enum ui::Locks;

// 500 by 400 and not resizeable; MaximumHeight 500 does not matter once the size is fixed.
constexpr ui::WindowRow kWindow{500, 400, 500, 500, 0, "Tavrel", true, ""};

std::vector<platform::ControlDescription> ControlTable() {
  return {
      ui::LabelControl({.at = {"Purpose", 35, 86, 430, 44, All, 20, false},
                        .value = ui::kHelpText,
                        .visible = false,
                        .enabled = false,
                        .multiline = true,
                        .textAlignment = 0,
                        .textColor = Color{0x00800000}}),
      ui::PushButtonControl({{"CalcBtn", 21, 360, 80, 30, All, 0, true}, "Calculate", 12.0, false, "Calculate"},
                            {Wire("Action", &W::CalcBtn_Action)}),
      ui::PushButtonControl({{"ClearBtn", 401, 360, 80, 30, All, 1, true}, "Clear", 12.0, false, "Clear"},
                            {Wire("Action", &W::ClearBtn_Action)}),
      // MouseExit is wired before MouseEnter.
      ui::CanvasControl({{"Title", 20, 0, 461, 62, All, 3, true}, &x_Quillet::Quillet, "Tavrel"},
                        {Wire("MouseExit", &W::Title_MouseExit), Wire("MouseEnter", &W::Title_MouseEnter)}),
      ui::TextFieldControl({{"DOTyFld", 223, 191, 55, 22, All, 11, true}, FieldKind::Year, "Date of testing, year"}),
      ui::TextFieldControl(
          {{"DOTmFld", 315, 191, 40, 22, All, 12, true}, FieldKind::MonthOrDay, "Date of testing, month"}),
      ui::TextFieldControl(
          {{"DOTdFld", 402, 191, 40, 22, All, 13, true}, FieldKind::MonthOrDay, "Date of testing, day"}),
      ui::TextFieldControl({{"DOByFld", 223, 235, 55, 22, All, 14, true}, FieldKind::Year, "Date of birth, year"}),
      ui::TextFieldControl(
          {{"DOBmFld", 315, 235, 40, 22, All, 15, true}, FieldKind::MonthOrDay, "Date of birth, month"}),
      ui::TextFieldControl({{"DOBdFld", 402, 235, 40, 22, All, 16, true}, FieldKind::MonthOrDay, "Date of birth, day"}),
      ui::TextFieldControl({{"AgeYFld", 230, 278, 40, 22, All, 17, true}, FieldKind::Result, "Age, years"}),
      ui::TextFieldControl({{"AgeMfld", 315, 278, 40, 22, All, 18, true}, FieldKind::Result, "Age, months"}),
      ui::TextFieldControl({{"AgeDFld", 402, 278, 40, 22, All, 19, true}, FieldKind::Result, "Age, days"}),
      ui::PushButtonControl({{"HelpBtn", 223, 363, 80, 24, All, 21, true}, "?", 18.0, true, "Help"},
                            {Wire("Action", &W::HelpBtn_Action)}),
      ui::CanvasControl({{"Canvas1", 35, 185, 186, 31, LeftTop, 28, true}, &x_DOT::DOT, "Date of Testing"}),
      ui::CanvasControl({{"Canvas2", 35, 230, 186, 31, LeftTop, 29, true}, &x_DOB::DOB, "Date of Birth"}),
      ui::CanvasControl({{"Canvas3", 158, 270, 66, 35, LeftTop, 30, true}, &x_Age::Age, "Age"}),
      ui::CanvasControl({{"Canvas4", 214, 156, 73, 35, LeftTop, 31, true}, &x_Year::Year, "Year"}),
      ui::CanvasControl({{"Canvas5", 299, 156, 90, 35, LeftTop, 32, true}, &x_Month::Month, "Month"}),
      ui::CanvasControl({{"Canvas6", 401, 156, 63, 35, LeftTop, 33, true}, &x_day::day, "Day"}),
      // Created after Title, which it overlaps by its lowest 6 points.
      ui::LabelControl({.at = {"Label1", 20, 56, 445, 20, LeftTop, 34, false},
                        .value = ui::kCreditLine,
                        .visible = true,
                        .enabled = true,
                        .multiline = false,
                        .textAlignment = 2,
                        .textColor = Color{0x00800002}}),
  };
}

}  // namespace

void ControlWnd::Layout() { platform::LayOutWindow(*this, ui::WindowLayout(kWindow)); }

void ControlWnd::CreateControls() { CreateControls0(); }

void ControlWnd::CreateControls0() { platform::BuildControls(*this, ControlTable()); }

}  // namespace ControlWnd
