// Building a window from its description: the construction events, the registry of windows,
// visibility, size, closing, finding controls by name, and layout tables that must fail.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QWidget>
#include <typeinfo>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;
using testing::ElementsAre;

class ControlLookupByRecord : public gui_test::WatchedTest {};
class PropertyBlock : public gui_test::WatchedTest {};
class TabOrder : public gui_test::WatchedTest {};
class WindowConstruction : public gui_test::WatchedTest {};
class WindowRegistry : public gui_test::WatchedTest {};
class WindowSize : public gui_test::WatchedTest {};

TEST_F(WindowConstruction, RaisesEachBuildEventOnceAndOpenWhenTheControlsExist) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("NameFld"), Button("OkBtn")});
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), nullptr);

  w.Open();

  EXPECT_EQ(w->calls.layout, 1);
  EXPECT_EQ(w->calls.createControls, 1);
  EXPECT_EQ(w->calls.addMenuHandlers, 1);
  EXPECT_EQ(w->calls.open, 1);
  EXPECT_EQ(w->calls.build.back(), "Open");
  EXPECT_EQ(w->calls.controlsAtOpen, 2u);
  EXPECT_TRUE(w->calls.registeredAtOpen);
  EXPECT_TRUE(w->calls.visibleAtOpen);
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), w.shared());
}

TEST_F(WindowConstruction, ABuiltWindowCannotBeBuiltAgain) {
  ScopedWindow<TestWnd> w(ShownLayout());
  w.Open();
  EXPECT_THROW(w->Constructor(), platform::RuntimeException);
  EXPECT_EQ(w->calls.layout, 1);
}

struct VisibilityRow {
  const char* name;
  platform::PropertyBlock layout;
  bool visible;
};

class WindowVisibility : public gui_test::WatchedTableTest<VisibilityRow> {};

TEST_P(WindowVisibility, FollowsTheVisibleProperty) {
  ScopedWindow<TestWnd> w(GetParam().layout);
  w.Open();
  EXPECT_EQ(w->Visible(), GetParam().visible);
  EXPECT_EQ(w->Widget()->isVisible(), GetParam().visible);
}

INSTANTIATE_TEST_SUITE_P(Layout, WindowVisibility,
                         testing::Values(VisibilityRow{"visible_true_shows_it", {{"Visible", true}}, true},
                                         VisibilityRow{"visible_false_keeps_it_hidden", {{"Visible", false}}, false},
                                         VisibilityRow{"no_visible_property_keeps_it_hidden", {{"Width", 200}}, false},
                                         VisibilityRow{
                                             "the_last_visible_wins", {{"Visible", false}, {"Visible", true}}, true}),
                         RowName());

TEST_F(WindowSize, AFixedWindowGivesItsControlsExactlyWidthByHeight) {
  ScopedWindow<TestWnd> w(ShownLayout({{"Width", 320}, {"Height", 180}, {"Resizeable", false}}), {Field("NameFld")});
  w.Open();
  QWidget* content = w->Get<platform::TextField>("NameFld").Widget()->parentWidget();
  EXPECT_EQ(content->size(), QSize(320, 180));
  EXPECT_EQ(w->Widget()->minimumSize(), w->Widget()->maximumSize());
  EXPECT_EQ(w->Widget()->windowTitle(), "Test");
}

TEST_F(WindowRegistry, AHiddenWindowStaysRegisteredAndShowsAgain) {
  ScopedWindow<TestWnd> w(ShownLayout());
  w.Open();
  w->Hide();
  w->Hide();  // hiding a hidden window changes nothing
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), w.shared());
  w->Show();
  EXPECT_TRUE(w->Visible());
}

TEST_F(WindowRegistry, ClosingRaisesCloseAndTakesTheWindowOutOfTheRegistry) {
  ScopedWindow<TestWnd> w(ShownLayout());
  w.Open();
  w->Close();
  EXPECT_EQ(w->calls.close, 1);
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), nullptr);
}

TEST_F(WindowRegistry, AWindowWithoutCloseButtonRefusesTheUserButNotTheProgram) {
  ScopedWindow<TestWnd> w(ShownLayout({{"Type", 2}, {"HasCloseButton", false}}));
  w.Open();
  w->Widget()->close();  // what the window manager's close would do
  EXPECT_TRUE(w->Visible());
  EXPECT_EQ(w->calls.close, 0);
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), w.shared());

  w->Close();
  EXPECT_EQ(w->calls.close, 1);
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), nullptr);
}

TEST_F(WindowRegistry, AHandlerMayCloseTheWindowItRunsIn) {
  std::weak_ptr<TestWnd> weak;
  auto flush = qScopeGuard([&] {
    if (auto left = weak.lock()) left->Close();
    FlushDeferredDeletes();
  });
  {
    auto w = New<TestWnd>();
    w->layout = ShownLayout();
    w->controls = {Button("CloseBtn")};
    w->onControlEvent = [](platform::Control& c) { c.Parent()->Close(); };
    w->Constructor();
    weak = w;
  }
  QWidget* button = weak.lock()->Get<platform::PushButton>("CloseBtn").Widget();
  QTest::mouseClick(button, Qt::LeftButton);
  FlushDeferredDeletes();
  EXPECT_TRUE(weak.expired()) << "the registry should have been the window's last holder";
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), nullptr);
}

// Finding controls by name, and the class-checking cast that every accessor applies.

struct CastRow {
  const char* name;
  const char* control;  // "" looks up a name no control has
  void (*cast)(platform::Object*);
  const std::type_info* raises;  // nullptr: the cast succeeds
};

template <class T>
void CastTo(platform::Object* o) {
  platform::RuntimeCheckCast<T>(o);
}

class ControlLookup : public gui_test::WatchedTableTest<CastRow> {};

TEST_P(ControlLookup, CastsToItsClassAndRaisesOtherwise) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("NameFld"), Button("OkBtn"), Clock("Timer1", {})});
  w.Open();
  platform::Object* found = w->ControlByName(GetParam().control);
  try {
    GetParam().cast(found);
    EXPECT_EQ(GetParam().raises, nullptr) << "the cast should have raised";
  } catch (const std::exception& e) {
    ASSERT_NE(GetParam().raises, nullptr) << "unexpected " << e.what();
    EXPECT_EQ(typeid(e), *GetParam().raises) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    ByName, ControlLookup,
    testing::Values(CastRow{"field_as_its_class", "NameFld", &CastTo<platform::TextField>, nullptr},
                    CastRow{"field_as_its_base", "NameFld", &CastTo<platform::RectControl>, nullptr},
                    CastRow{"timer_as_a_control", "Timer1", &CastTo<platform::Control>, nullptr},
                    CastRow{"field_as_a_button", "NameFld", &CastTo<platform::PushButton>,
                            &typeid(platform::IllegalCastException)},
                    CastRow{"timer_as_a_rect_control", "Timer1", &CastTo<platform::RectControl>,
                            &typeid(platform::IllegalCastException)},
                    CastRow{"missing_name_is_nil", "NoSuchFld", &CastTo<platform::TextField>,
                            &typeid(platform::NilObjectException)}),
    RowName());

TEST_F(ControlLookupByRecord, ChecksTheClassRecordToo) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Button("OkBtn")});
  w.Open();
  platform::Object* button = w->ControlByName("OkBtn");
  EXPECT_EQ(&platform::RuntimeCheckCast(button, platform::PushButton::Lookup()), button);
  EXPECT_THROW(platform::RuntimeCheckCast(button, platform::Label::Lookup()), platform::IllegalCastException);
  EXPECT_THROW(platform::RuntimeCheckCast(nullptr, platform::Label::Lookup()), platform::NilObjectException);
  EXPECT_EQ(&w->Get<platform::PushButton>("OkBtn"), w->ControlByName("OkBtn"));
  EXPECT_EQ(w->Get<platform::PushButton>("OkBtn").Name(), "OkBtn");
  EXPECT_EQ(w->Get<platform::PushButton>("OkBtn").Parent(), &*w);
}

// A slip in a layout table must stop the build loudly, with the error that names it.

struct BrokenLayoutRow {
  const char* name;
  platform::PropertyBlock layout;
  std::vector<platform::ControlDescription> controls;
  const std::type_info* raises;
};

class BrokenLayout : public gui_test::WatchedTableTest<BrokenLayoutRow> {};

TEST_P(BrokenLayout, FailsTheBuild) {
  ScopedWindow<TestWnd> w(GetParam().layout, GetParam().controls);
  try {
    w.Open();
    ADD_FAILURE() << "the window was built";
  } catch (const std::exception& e) {
    EXPECT_EQ(typeid(e), *GetParam().raises) << e.what();
  }
  EXPECT_EQ(platform::GetImplicitWindow("TestWnd.TestWnd"), nullptr);
}

std::shared_ptr<platform::Picture> NoPicture() { return nullptr; }

const auto& kProperty = typeid(platform::PropertyException);
INSTANTIATE_TEST_SUITE_P(
    Table, BrokenLayout,
    testing::Values(
        BrokenLayoutRow{"window_property_misspelt", {{"Widht", 300}}, {}, &kProperty},
        BrokenLayoutRow{"window_flag_given_as_a_number", {{"Visible", 1}}, {}, &kProperty},
        BrokenLayoutRow{"window_size_given_as_text", {{"Width", "300"}}, {}, &kProperty},
        BrokenLayoutRow{"window_size_given_as_a_fraction", {{"Width", 300.5}}, {}, &kProperty},
        BrokenLayoutRow{"button_property_misspelt", {}, {Button("OkBtn", {{"Captoin", "OK"}})}, &kProperty},
        BrokenLayoutRow{
            "field_limit_given_as_text", {}, {Field("YearFld", {{"MaximumCharactersAllowed", "4"}})}, &kProperty},
        BrokenLayoutRow{"colour_given_as_a_number", {}, {Field("YearFld", {{"TextColor", 0xFF0000}})}, &kProperty},
        BrokenLayoutRow{"mask_with_a_character_other_than_digit_places",
                        {},
                        {Field("DateFld", {{"ValidationMask", "##/##"}})},
                        &kProperty},
        BrokenLayoutRow{"label_property_of_a_button", {}, {Button("OkBtn", {{"Multiline", true}})}, &kProperty},
        BrokenLayoutRow{"timer_given_a_place", {}, {Clock("Timer1", {{"Left", 10}})}, &kProperty},
        BrokenLayoutRow{"timer_run_mode_out_of_range", {}, {Clock("Timer1", {{"RunMode", 3}})}, &kProperty},
        BrokenLayoutRow{"event_the_class_does_not_raise",
                        {},
                        {{.name = "YearFld",
                          .cls = &platform::TextField::Lookup,
                          .events = {platform::Wire("Action", &TestWnd::OnButtonAction)}}},
                        &typeid(platform::RuntimeException)},
        BrokenLayoutRow{"two_controls_under_one_name",
                        {},
                        {Field("YearFld"), Field("YearFld")},
                        &typeid(platform::RuntimeException)},
        BrokenLayoutRow{"picture_for_a_control_that_is_no_canvas",
                        {},
                        {{.name = "YearFld", .cls = &platform::TextField::Lookup, .picture = &NoPicture}},
                        &typeid(platform::IllegalCastException)},
        BrokenLayoutRow{"class_that_cannot_be_created",
                        {},
                        {{.name = "Thing", .cls = &platform::Control::Lookup}},
                        &typeid(platform::RuntimeException)}),
    RowName());

TEST_F(PropertyBlock, KeepsEachValueAndTakesAWholeNumberWhereAFractionFits) {
  ScopedWindow<TestWnd> w(ShownLayout(),
                          {Field("NameFld", {{"FontSize", 12}, {"TextColor", platform::Color{0x123456}}})});
  w.Open();
  auto& field = w->Get<platform::TextField>("NameFld");
  ASSERT_NE(field.Property("FontSize"), nullptr);
  EXPECT_EQ(field.Property("FontSize")->Number(), 12.0);
  EXPECT_EQ(field.Property("TextColor")->Colour(), platform::Color{0x123456});
  EXPECT_EQ(field.Property("Hint"), nullptr);
}

// A font size is in the layout's unit, as positions and sizes are: one unit, one pixel.
TEST_F(PropertyBlock, FontSizeIsInPixelsRoundedToAWholeOne) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("WholeFld", {{"FontSize", 12}}), Field("UpFld", {{"FontSize", 13.5}}),
                                          Field("DownFld", {{"FontSize", 13.4}})});
  w.Open();
  EXPECT_EQ(w->Get<platform::TextField>("WholeFld").Widget()->font().pixelSize(), 12);
  EXPECT_EQ(w->Get<platform::TextField>("UpFld").Widget()->font().pixelSize(), 14);
  EXPECT_EQ(w->Get<platform::TextField>("DownFld").Widget()->font().pixelSize(), 13);
}

TEST_F(TabOrder, FollowsTabIndexAndSkipsControlsWithoutTabStop) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("ThirdFld", {{"TabIndex", 2}}), Field("FirstFld", {{"TabIndex", 0}}),
                                          Field("SkippedFld", {{"TabIndex", 1}, {"TabStop", false}}),
                                          Field("SecondFld", {{"TabIndex", 1}})});
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  auto name = [&](QWidget* focused) -> std::string {
    for (const char* n : {"FirstFld", "SecondFld", "ThirdFld", "SkippedFld"})
      if (w->Get<platform::TextField>(n).Widget() == focused) return n;
    return focused == w->Widget() ? "the window itself" : "elsewhere";
  };
  std::vector<std::string> visited = {name(QApplication::focusWidget())};
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(name(QApplication::focusWidget()));
  }
  EXPECT_THAT(visited, ElementsAre("FirstFld", "SecondFld", "ThirdFld", "FirstFld"));
}

}  // namespace
}  // namespace platform_test
