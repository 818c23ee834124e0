// Real input on a built window: clicks and keys on buttons, and the window events that keys, the
// mouse and activation raise, reaching the bound methods and nothing else.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;
using testing::ElementsAre;

class ButtonInput : public gui_test::WatchedTest {};
class CanvasEvents : public gui_test::WatchedTest {};
class WindowEvents : public gui_test::WatchedTest {};
using testing::IsEmpty;

TEST_F(ButtonInput, AClickRunsTheDelegateWithTheButton) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Button("OkBtn"), Button("OtherBtn", {{"Top", 40}})});
  w.Open();
  QTest::mouseClick(w->Get<platform::PushButton>("OkBtn").Widget(), Qt::LeftButton);
  EXPECT_THAT(w->controlEvents, ElementsAre("OkBtn.Action"));
  EXPECT_THAT(w->eventControls, ElementsAre(w->ControlByName("OkBtn")));
}

TEST_F(ButtonInput, AClickOnADisabledButtonRunsNothing) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Button("OkBtn", {{"Enabled", false}})});
  w.Open();
  QTest::mouseClick(w->Get<platform::PushButton>("OkBtn").Widget(), Qt::LeftButton);
  EXPECT_THAT(w->controlEvents, IsEmpty());
}

TEST_F(ButtonInput, SpacePressesTheFocusedButton) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("NameFld"), Button("OkBtn", {{"Default", true}}), Button("OtherBtn")});
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  w->Get<platform::PushButton>("OtherBtn").SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), w->Get<platform::PushButton>("OtherBtn").Widget());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_THAT(w->controlEvents, ElementsAre("OtherBtn.Action"));
}

// Return and Escape typed into the focused field reach the window's standard buttons.
struct StandardButtonRow {
  const char* name;
  std::vector<platform::ControlDescription> buttons;
  Qt::Key key;
  std::vector<std::string> pressed;
};

class StandardButton : public gui_test::WatchedTableTest<StandardButtonRow> {};

TEST_P(StandardButton, AnswersItsKeyFromTheFocusedField) {
  std::vector<platform::ControlDescription> controls = {Field("NameFld")};
  controls.insert(controls.end(), GetParam().buttons.begin(), GetParam().buttons.end());
  ScopedWindow<TestWnd> w(ShownLayout(), controls);
  w.Open();
  QTest::keyClick(w->Get<platform::TextField>("NameFld").Widget(), GetParam().key);
  EXPECT_EQ(w->controlEvents, GetParam().pressed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StandardButton,
    testing::Values(
        StandardButtonRow{
            "return_presses_the_first_default_button",
            {Button("PlainBtn"), Button("FirstBtn", {{"Default", true}}), Button("SecondBtn", {{"Default", true}})},
            Qt::Key_Return,
            {"FirstBtn.Action"}},
        StandardButtonRow{"keypad_enter_does_the_same",
                          {Button("FirstBtn", {{"Default", true}})},
                          Qt::Key_Enter,
                          {"FirstBtn.Action"}},
        StandardButtonRow{
            "a_hidden_default_button_is_passed_over",
            {Button("FirstBtn", {{"Default", true}, {"Visible", false}}), Button("SecondBtn", {{"Default", true}})},
            Qt::Key_Return,
            {"SecondBtn.Action"}},
        StandardButtonRow{
            "a_disabled_default_button_is_passed_over",
            {Button("FirstBtn", {{"Default", true}, {"Enabled", false}}), Button("SecondBtn", {{"Default", true}})},
            Qt::Key_Return,
            {"SecondBtn.Action"}},
        StandardButtonRow{"return_without_a_default_button_presses_none", {Button("PlainBtn")}, Qt::Key_Return, {}},
        StandardButtonRow{"escape_presses_the_cancel_button",
                          {Button("FirstBtn", {{"Default", true}}), Button("CancelBtn", {{"Cancel", true}})},
                          Qt::Key_Escape,
                          {"CancelBtn.Action"}}),
    RowName());

// The window's own events, sent as Qt delivers them.

TEST_F(WindowEvents, AKeyInAWindowWithoutFieldsReachesKeyDownWithItsText) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Text("Caption")});
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  QTest::keyClick(w->Widget()->windowHandle(), Qt::Key_A);  // routed as the system's keys are
  EXPECT_EQ(w->calls.keyDown, 1);
  EXPECT_EQ(w->calls.lastKey, "a");
}

// Holding Ctrl or Shift is the start of a shortcut or a capital, not a key press of its own.
TEST_F(WindowEvents, AModifierAloneRaisesNoKeyDown) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Text("Caption")});
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  for (Qt::Key modifier : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta})
    QTest::keyPress(w->Widget()->windowHandle(), modifier);
  EXPECT_EQ(w->calls.keyDown, 0);
  QTest::keyClick(w->Widget()->windowHandle(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(w->calls.keyDown, 1);
}

TEST_F(WindowEvents, AKeyTypedIntoAFieldStaysInTheField) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("NameFld")});
  w.Open();
  QTest::keyClick(w->Get<platform::TextField>("NameFld").Widget(), Qt::Key_A);
  EXPECT_EQ(w->Get<platform::TextField>("NameFld").Text(), "a");
  EXPECT_EQ(w->calls.keyDown, 0);
}

TEST_F(WindowEvents, AClickOnALabelReachesMouseDownInContentCoordinates) {
  // A menu bar above the content makes window and content coordinates differ.
  auto bar = New<platform::MenuBar>();
  auto file = Item("FileMenu", "File");
  file->AddMenu(Item("FileNothing", "Nothing"));
  bar->AddMenu(file);
  ScopedApp app(New<platform::Application>(), bar);
  ScopedWindow<TestWnd> w(ShownLayout(), {Text("Caption", {{"Left", 40}, {"Top", 30}})});
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  QWidget* label = w->Get<platform::Label>("Caption").Widget();
  QTest::mouseClick(w->Widget()->windowHandle(), Qt::LeftButton, {}, label->mapTo(w->Widget(), QPoint(5, 6)));
  EXPECT_EQ(w->calls.mouseDown, 1);
  EXPECT_EQ(w->calls.mouseX, 45);
  EXPECT_EQ(w->calls.mouseY, 36);
}

TEST_F(WindowEvents, ThePointerLeavingTheWindowRaisesMouseExit) {
  ScopedWindow<TestWnd> w(ShownLayout());
  w.Open();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w->Widget(), &leave);
  EXPECT_EQ(w->calls.mouseExit, 1);
}

TEST_F(WindowEvents, BecomingActiveRaisesActivateEachTime) {
  ScopedWindow<TestWnd> w(ShownLayout());
  ScopedWindow<BareWnd> other(ShownLayout());
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  const int first = w->calls.activate;
  EXPECT_GE(first, 1);

  other.Open();
  other->Show();  // its record binds no Layout, so nothing made it visible
  ASSERT_TRUE(QTest::qWaitForWindowActive(other->Widget()));
  w->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  EXPECT_EQ(w->calls.activate, first + 1);
}

TEST_F(WindowEvents, AClassThatBindsNoneRunsNothing) {
  ScopedWindow<BareWnd> w;  // no Layout binding either, so it is shown by hand
  w.Open();
  w->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  QTest::keyClick(w->Widget(), Qt::Key_A);
  QTest::keyClick(w->Widget(), Qt::Key_Return);
  QTest::mouseClick(w->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w->Widget(), &leave);
  w->Close();

  const WindowCalls& c = w->calls;
  EXPECT_EQ(c.layout + c.createControls + c.addMenuHandlers + c.open, 0);
  EXPECT_EQ(c.activate + c.keyDown + c.mouseDown + c.mouseExit + c.close, 0);
  EXPECT_EQ(platform::GetImplicitWindow("BareWnd.BareWnd"), nullptr);
}

TEST_F(CanvasEvents, ThePointerEnteringAndLeavingACanvasReachItsDelegates) {
  ScopedWindow<TestWnd> w(ShownLayout(), {{.name = "Title",
                                           .cls = &platform::Canvas::Lookup,
                                           .picture = [] { return platform::Picture::OpenFromApp("Icon64"); },
                                           .properties = {{"Left", 0}, {"Top", 0}, {"Width", 64}, {"Height", 64}},
                                           .events = {platform::Wire("MouseEnter", &TestWnd::OnCanvasEnter),
                                                      platform::Wire("MouseExit", &TestWnd::OnCanvasExit)}}});
  w.Open();
  auto& title = w->Get<platform::Canvas>("Title");
  EXPECT_NE(title.Backdrop(), nullptr);
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), title.Widget()->mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(title.Widget(), &enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(title.Widget(), &leave);
  EXPECT_THAT(w->controlEvents, ElementsAre("Title.MouseEnter", "Title.MouseExit"));
}

}  // namespace
}  // namespace platform_test
