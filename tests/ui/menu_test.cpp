// The calculator window and the About menu item: the window enables the item, its command
// shows the About window, and the calculator window becoming active hides it again.

#include "platform/menu.h"

#include <chrono>

#include "platform/application.h"
#include "platform/runtime.h"
#include "tests/ui/calculator_fixture.h"
#include "ui/about_item.h"

namespace ui_test {
namespace {

using namespace std::chrono_literals;

// The item is built without AutoEnabled, so the platform disables it before every menu opens.
TEST_F(CalculatorWindowTest, EnablesTheAboutItemAndNothingElse) {
  AboutTavrel().SetEnabled(false);
  calc_.EnableMenuItems();
  EXPECT_TRUE(AboutTavrel().Enabled());
  EXPECT_FALSE(platform::GetAppObject()->MenuBar()->Child("UntitledMenu0")->Enabled());
}

TEST_F(CalculatorWindowTest, AboutCommandShowsTheAboutWindowUntilTheCalculatorIsActive) {
  auto& about = AboutWnd::AboutWnd();
  ASSERT_FALSE(about.Visible());

  calc_.ChooseMenuItem(AboutTavrel());
  EXPECT_TRUE(about.Visible());
  calc_.ChooseMenuItem(AboutTavrel());  // shown again while shown
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(&AboutWnd::AboutWnd(), &about);

  calc_.Widget()->activateWindow();
  EXPECT_TRUE(WaitUntil([&] { return !about.Visible(); }, 2s));
}

}  // namespace
}  // namespace ui_test
