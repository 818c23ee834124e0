// The calculator window's controls, each looked up by its name on every call.

#include "ui/control_lookup.h"
#include "ui/control_wnd.h"

namespace ControlWnd {

using platform::Canvas;
using platform::Label;
using platform::PushButton;
using platform::TextField;
using ui::ControlNamed;

Label& ControlWnd::Purpose() const { return ControlNamed<Label>(*this, "Purpose"); }
PushButton& ControlWnd::CalcBtn() const { return ControlNamed<PushButton>(*this, "CalcBtn"); }
PushButton& ControlWnd::ClearBtn() const { return ControlNamed<PushButton>(*this, "ClearBtn"); }
Canvas& ControlWnd::Title() const { return ControlNamed<Canvas>(*this, "Title"); }
TextField& ControlWnd::DOTyFld() const { return ControlNamed<TextField>(*this, "DOTyFld"); }
TextField& ControlWnd::DOTmFld() const { return ControlNamed<TextField>(*this, "DOTmFld"); }
TextField& ControlWnd::DOTdFld() const { return ControlNamed<TextField>(*this, "DOTdFld"); }
TextField& ControlWnd::DOByFld() const { return ControlNamed<TextField>(*this, "DOByFld"); }
TextField& ControlWnd::DOBmFld() const { return ControlNamed<TextField>(*this, "DOBmFld"); }
TextField& ControlWnd::DOBdFld() const { return ControlNamed<TextField>(*this, "DOBdFld"); }
TextField& ControlWnd::AgeYFld() const { return ControlNamed<TextField>(*this, "AgeYFld"); }
TextField& ControlWnd::AgeMfld() const { return ControlNamed<TextField>(*this, "AgeMfld"); }
TextField& ControlWnd::AgeDFld() const { return ControlNamed<TextField>(*this, "AgeDFld"); }
PushButton& ControlWnd::HelpBtn() const { return ControlNamed<PushButton>(*this, "HelpBtn"); }
Canvas& ControlWnd::Canvas1() const { return ControlNamed<Canvas>(*this, "Canvas1"); }
Canvas& ControlWnd::Canvas2() const { return ControlNamed<Canvas>(*this, "Canvas2"); }
Canvas& ControlWnd::Canvas3() const { return ControlNamed<Canvas>(*this, "Canvas3"); }
Canvas& ControlWnd::Canvas4() const { return ControlNamed<Canvas>(*this, "Canvas4"); }
Canvas& ControlWnd::Canvas5() const { return ControlNamed<Canvas>(*this, "Canvas5"); }
Canvas& ControlWnd::Canvas6() const { return ControlNamed<Canvas>(*this, "Canvas6"); }
Label& ControlWnd::Label1() const { return ControlNamed<Label>(*this, "Label1"); }

}  // namespace ControlWnd
