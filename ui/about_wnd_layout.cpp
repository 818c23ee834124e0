// The About window's layout: its property block and its four controls in creation order.

#include <vector>

#include "platform/window_builder.h"
#include "ui/about_wnd.h"
#include "ui/layout_rows.h"
#include "ui/pictures.h"
#include "ui/wording.h"

namespace AboutWnd {
namespace {

using W = class AboutWnd;
using enum ui::Locks;

// An untitled dialog frame without title-bar buttons: the user cannot close it. With no title
// to read out, a screen reader is told what the window is.
constexpr ui::WindowRow kWindow{388, 202, 32000, 32000, 2, "", false, "About Tavrel"};

std::vector<platform::ControlDescription> ControlTable() {
  return {
      ui::CanvasControl(
          {{"titlesplash", 20, 28, 356, 65, All, 2, true}, &x_Quillet2::Quillet2, "Tavrel, age at testing"}),
      ui::LabelControl({.at = {"Label1", 20, 174, 345, 20, LeftTop, 3, false},
                        .value = ui::kAboutNotice,
                        .visible = true,
                        .enabled = true,
                        .multiline = false,
                        .textAlignment = 2,
                        .textColor = platform::Color{0x00B3B3B3}}),
      // One shot: it fires once in the life of the process, also after a key or click handed over.
      {"Timer1",
       &_wrapper_Timer1::Lookup,
       nullptr,
       {{"Period", 4000}, {"RunMode", 1}},
       {platform::Wire("Action", &W::Timer1_Action)}},
      // Centred under the banner: 161 + 66 / 2 is half of 388.
      ui::CanvasControl({{"Canvas1", 161, 96, 66, 66, LeftTop, 4, true}, &x_Icon64::Icon64, "Tavrel icon"}),
  };
}

}  // namespace

void AboutWnd::Layout() { platform::LayOutWindow(*this, ui::WindowLayout(kWindow)); }

void AboutWnd::CreateControls() { CreateControls0(); }

void AboutWnd::CreateControls0() { platform::BuildControls(*this, ControlTable()); }

}  // namespace AboutWnd
