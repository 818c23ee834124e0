#include "app/startup.h"

#include <iostream>

#include "app/file_types.h"
#include "app/menu.h"
#include "app/tavrel.h"
#include "platform/application.h"
#include "platform/runtime.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"
#include "ui/wording.h"

namespace app {

namespace {
const platform::Initializer kStaticInitializers[] = {
    &FileTypes::pAllFileTypesInit,
    &FileTypes::pTextInit,
    &FileTypes::pUntitledTypeInit,
    &ControlWnd::ControlWnd::ctblinit,
    &Menu::implicitInstanceInit,
    &Menu::Menu::ctblinit,
    &AboutWnd::_wrapper_Timer1::ctblinit,
    &AboutWnd::AboutWnd::ctblinit,
    &Tavrel::ctblinit,
};
}  // namespace

std::span<const platform::Initializer> StaticInitializers() { return kStaticInitializers; }

int main() {
  platform::RuntimeInit();
  platform::RuntimePerformInitializers(StaticInitializers());
  try {
    Main();
  } catch (const std::exception& e) {
    // The error handling itself failed; the finalisers still run and the status is not 0.
    std::cerr << "error while handling an error: " << e.what() << std::endl;
    platform::Quit(1);
  } catch (...) {
    platform::Quit(1);
  }
  platform::RuntimePerformFinalizers();
  return platform::RuntimeExit();
}

void Main() {
  try {
    if (std::exception_ptr pending = platform::RuntimePendingException()) std::rethrow_exception(pending);
    platform::RuntimeSetExceptionHelper(&platform::CallFunctionWithExceptionHandling);
    EarlyStartup();
    platform::RunFrameworkInitialization(&LateStartup);
    platform::RuntimeRun();
  } catch (...) {
    platform::UnhandledException(std::current_exception());
  }
}

void EarlyStartup() {
  platform::Application::SetSupportsHiDPI(true);
  platform::RuntimeInitExternalClasses();
  platform::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() { FileTypes::Initialize(); }

void NewAppInstance() {
  auto app = std::static_pointer_cast<Tavrel>(platform::RuntimeNewObject(Tavrel::Lookup()));
  app->Constructor();
  app->x_SetVersionData(3, 0, 0, 0, 3, std::string(ui::kAboutNoticeShort), "Tavrel", "Tavrel");
  std::shared_ptr<class Menu::Menu> bar = Menu::Menu();
  app->SetMenuBar(bar);
  platform::RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {}

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView() { AboutWnd::AboutWnd(); }

}  // namespace app
