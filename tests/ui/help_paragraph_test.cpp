// When the help paragraph shows: only "?" shows it; Clear, the pointer entering the title
// picture, a key press or click in the window and the pointer leaving the window hide it;
// the pointer leaving the title picture leaves it as it was.

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QTest>
#include <string_view>

#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;

void SendEnter(QWidget* widget) {
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
  QApplication::sendEvent(widget, &enter);
}

void SendLeave(QWidget* widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
}

struct HelpRow {
  std::string_view name;
  bool shownBefore;
  void (*happens)(W&);
  bool shownAfter;
};

const HelpRow kEvents[] = {
    {"help_button_shows_it", false, [](W& w) { QTest::mouseClick(w.HelpBtn().Widget(), Qt::LeftButton); }, true},
    {"help_button_again_keeps_it", true, [](W& w) { QTest::mouseClick(w.HelpBtn().Widget(), Qt::LeftButton); }, true},
    {"clear_hides_it", true, [](W& w) { QTest::mouseClick(w.ClearBtn().Widget(), Qt::LeftButton); }, false},
    {"clear_keeps_it_hidden", false, [](W& w) { QTest::mouseClick(w.ClearBtn().Widget(), Qt::LeftButton); }, false},
    {"pointer_entering_the_title_hides_it", true, [](W& w) { SendEnter(w.Title().Widget()); }, false},
    {"pointer_leaving_the_title_leaves_it", true, [](W& w) { SendLeave(w.Title().Widget()); }, true},
    {"key_press_in_the_window_hides_it", true, [](W& w) { QTest::keyClick(w.Widget(), Qt::Key_A); }, false},
    // A picture takes no click of its own, so the click reaches the window.
    {"click_on_a_picture_hides_it", true, [](W& w) { QTest::mouseClick(w.Canvas4().Widget(), Qt::LeftButton); }, false},
    {"pointer_leaving_the_window_hides_it", true, [](W& w) { SendLeave(w.Widget()); }, false},
};

using HelpParagraphTest = CalculatorTableTest<HelpRow>;

TEST_P(HelpParagraphTest, ShowsOnlyOnHelpAndHidesOnTheOthers) {
  calc_.Purpose().SetVisible(GetParam().shownBefore);
  GetParam().happens(calc_);
  EXPECT_EQ(calc_.Purpose().Visible(), GetParam().shownAfter);
}

INSTANTIATE_TEST_SUITE_P(Calculator, HelpParagraphTest, testing::ValuesIn(kEvents), RowName());

}  // namespace
}  // namespace ui_test
