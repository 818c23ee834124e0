#include "ui/about_item.h"

#include "platform/application.h"
#include "platform/object.h"
#include "platform/runtime.h"

platform::AppleMenuItem& AboutTavrel() {
  platform::Application* app = platform::GetAppObject();
  if (app == nullptr) throw platform::NilObjectException("no application object to find the About item in");
  const auto& bar = app->MenuBar();
  if (!bar) throw platform::NilObjectException("the application has no menu bar to find the About item in");
  return platform::RuntimeCheckCast<platform::AppleMenuItem>(bar->Lookup("AboutTavrel"));
}
