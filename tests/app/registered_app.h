#pragma once
// A Tavrel registered as start-up registers it, for the application layer's window tests.

#include <memory>

#include "app/menu.h"
#include "app/tavrel.h"
#include "platform/object.h"
#include "platform/runtime.h"

namespace app_test {

// With the menu bar installed; unregistered again when the test ends, so that no test sees
// another's application object.
class RegisteredApp {
 public:
  explicit RegisteredApp(bool withMenuBar = true)
      : app_(std::static_pointer_cast<Tavrel>(platform::RuntimeNewObject(Tavrel::Lookup()))) {
    app_->Constructor();
    if (withMenuBar) app_->SetMenuBar(Menu::Menu());
    platform::RuntimeRegisterAppObject(app_);
  }
  ~RegisteredApp() { platform::RuntimeRegisterAppObject(nullptr); }
  RegisteredApp(const RegisteredApp&) = delete;
  RegisteredApp& operator=(const RegisteredApp&) = delete;
  Tavrel& app() const { return *app_; }

 private:
  std::shared_ptr<Tavrel> app_;
};

}  // namespace app_test
