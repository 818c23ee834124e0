// The About window from its first construction to a click: shown on being built, no way for
// the user to close it, and a click anywhere in it hands over to the calculator window at once.

#include <gtest/gtest.h>

#include <QTest>

#include "platform/window.h"
#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"
#include "ui/wording.h"

namespace ui_test {
namespace {

TEST(AboutWindowClick, IsShownOnBuildingAndAClickHandsOverAtOnce) {
  FixedDay day(2024, 3, 5);
  ASSERT_EQ(platform::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr) << "needs a process of its own";

  auto& about = AboutWnd::AboutWnd();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.platform::Window::Title(), "");
  EXPECT_EQ(about.Label1().Value(), ui::kAboutNotice);
  EXPECT_TRUE(about.Timer1().Armed());
  EXPECT_EQ(platform::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
  about.Widget()->close();  // no close button: the user cannot close it
  EXPECT_TRUE(about.Visible());

  // The icon has no handler of its own, so the click reaches the window.
  QTest::mouseClick(about.Canvas1().Widget(), Qt::LeftButton);
  EXPECT_FALSE(about.Visible());
  ASSERT_NE(platform::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
  auto& calc = ControlWnd::ControlWnd();
  EXPECT_TRUE(calc.Visible());
  EXPECT_EQ(calc.DOTmFld().Text(), "3");

  // Asked again, the accessor gives the same window as it is: hidden until someone shows it.
  EXPECT_EQ(&AboutWnd::AboutWnd(), &about);
  EXPECT_FALSE(about.Visible());
  AboutWnd::AboutWnd().Show();
  EXPECT_TRUE(about.Visible());
}

}  // namespace
}  // namespace ui_test
