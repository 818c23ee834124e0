#pragma once
// The calculator window as the About window's hand-over leaves it, on a fixed day, with every
// field empty and the help paragraph hidden. The window lives for the process, so each test
// starts by putting back what an earlier one may have changed.

#include <gtest/gtest.h>

#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace ui_test {

class CalculatorTest {
 protected:
  // 5 March 2024: a one-digit month, so a leading zero would show.
  FixedDay day_{2024, 3, 5};
  class ControlWnd::ControlWnd& calc_ = Built();

  static class ControlWnd::ControlWnd& Built() {
    QuietAboutWindow();
    auto& calc = ControlWnd::ControlWnd();
    for (platform::TextField* field :
         {&calc.DOTyFld(), &calc.DOTmFld(), &calc.DOTdFld(), &calc.DOByFld(), &calc.DOBmFld(), &calc.DOBdFld(),
          &calc.AgeYFld(), &calc.AgeMfld(), &calc.AgeDFld()})
      field->SetText("");
    calc.Purpose().SetVisible(false);
    return calc;
  }
};

class CalculatorWindowTest : public testing::Test, protected CalculatorTest {};

template <class Row>
class CalculatorTableTest : public testing::TestWithParam<Row>, protected CalculatorTest {};

}  // namespace ui_test
