// The About window's controls, each looked up by its name on every call.

#include "ui/about_wnd.h"
#include "ui/control_lookup.h"

namespace AboutWnd {

using platform::Canvas;
using platform::Label;
using platform::Timer;
using ui::ControlNamed;

Canvas& AboutWnd::titlesplash() const { return ControlNamed<Canvas>(*this, "titlesplash"); }
Label& AboutWnd::Label1() const { return ControlNamed<Label>(*this, "Label1"); }
Timer& AboutWnd::Timer1() const { return ControlNamed<Timer>(*this, "Timer1"); }
Canvas& AboutWnd::Canvas1() const { return ControlNamed<Canvas>(*this, "Canvas1"); }

}  // namespace AboutWnd
