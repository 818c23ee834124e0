// The About window's timer knows the window it sits on without keeping it alive.

#include <gtest/gtest.h>

#include <memory>

#include "platform/controls.h"
#include "platform/object.h"
#include "platform/window.h"
#include "ui/about_wnd_timer.h"

namespace ui_test {
namespace {

TEST(AboutTimerClass, IsATimerThatPointsAtItsWindowWithoutOwningIt) {
  const std::shared_ptr<platform::Object> object = platform::RuntimeNewObject(AboutWnd::_wrapper_Timer1::Lookup());
  EXPECT_EQ(object->Class().name, "AboutWnd._wrapper_Timer1");
  platform::RuntimeCheckCast<platform::Timer>(object);
  auto& timer = platform::RuntimeCheckCast<AboutWnd::_wrapper_Timer1>(object);
  EXPECT_EQ(timer.Window(), nullptr);

  std::shared_ptr<platform::Object> window = platform::RuntimeNewObject(platform::Window::Lookup());
  const std::weak_ptr<platform::Object> watch = window;
  timer.SetWindow(platform::RuntimeCheckCast<platform::Window>(window));
  EXPECT_EQ(timer.Window().get(), window.get());

  window.reset();
  EXPECT_TRUE(watch.expired()) << "the timer kept its window alive";
  EXPECT_EQ(timer.Window(), nullptr);
}

}  // namespace
}  // namespace ui_test
