#pragma once
// Start-up, from the entry point to the exit status.
//
//   main: RuntimeInit, the static initialisers, Main, the finalisers, RuntimeExit.
//   Main: the exception helper, EarlyStartup, RunFrameworkInitialization(LateStartup), the
//         event loop; the first error ends it and goes once to UnhandledException.
//   EarlyStartup: Hi-DPI on, the file types registered, the application object created with
//         its version data and menu bar, then registered.
//   LateStartup: MakeDefaultView opens the About window, the only window at first.

#include <span>

#include "platform/runtime.h"

namespace app {

// The program's static initialisers, in the order they run.
std::span<const platform::Initializer> StaticInitializers();

int main();
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

}  // namespace app
