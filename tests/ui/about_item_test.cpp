// The About menu item, found again in the application's installed menu bar on every call.
// No windows here, and no QApplication: menu items are plain objects.

#include "ui/about_item.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/application.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/runtime.h"

namespace ui_test {
namespace {

template <class T>
std::shared_ptr<T> New(const char* name = "") {
  std::shared_ptr<platform::Object> object = platform::RuntimeNewObject(T::Lookup());
  auto typed = std::shared_ptr<T>(object, &platform::RuntimeCheckCast<T>(object));
  if constexpr (std::is_base_of_v<platform::MenuItem, T>) typed->SetName(name);
  return typed;
}

// The About item as the menu bar holds it: inside the Edit menu, not at the top level.
std::shared_ptr<platform::MenuBar> BarWithAboutItem(const std::shared_ptr<platform::AppleMenuItem>& about) {
  auto edit = New<platform::MenuItem>("UntitledMenu0");
  edit->AddMenu(about);
  auto bar = New<platform::MenuBar>();
  bar->AddMenu(edit);
  return bar;
}

// Runs before any application object exists in the process.
TEST(AboutItem, NeedsAnApplicationObject) { EXPECT_THROW(AboutTavrel(), platform::NilObjectException); }

TEST(AboutItem, IsLookedUpInTheInstalledMenuBarOnEveryCall) {
  auto app = New<platform::Application>();
  platform::RuntimeRegisterAppObject(app);
  EXPECT_THROW(AboutTavrel(), platform::NilObjectException) << "no menu bar";

  auto bar = New<platform::MenuBar>();
  app->SetMenuBar(bar);
  EXPECT_THROW(AboutTavrel(), platform::NilObjectException) << "no item of that name";
  bar->AddMenu(New<platform::MenuItem>("AboutTavrel"));
  EXPECT_THROW(AboutTavrel(), platform::IllegalCastException) << "an item of another class";

  auto about = New<platform::AppleMenuItem>("AboutTavrel");
  app->SetMenuBar(BarWithAboutItem(about));
  EXPECT_EQ(&AboutTavrel(), about.get());

  auto another = New<platform::AppleMenuItem>("AboutTavrel");
  app->SetMenuBar(BarWithAboutItem(another));
  EXPECT_EQ(&AboutTavrel(), another.get()) << "the item was kept from an earlier call";
}

}  // namespace
}  // namespace ui_test
