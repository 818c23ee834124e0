#pragma once
// The runtime: process start and end, the event loop, quitting, and the one place an error
// that nothing caught ends up.
//
// main: RuntimeInit, RuntimePerformInitializers, the program's start-up, RuntimePerformFinalizers,
// RuntimeExit. The program's start-up hands a late start-up callback to
// RunFrameworkInitialization (which makes the Qt application and calls it) and then runs
// RuntimeRun until Quit. Every entry from Qt into program code goes through one dispatch that
// catches, so no exception crosses Qt's event loop; what it catches goes to UnhandledException.

#include <exception>
#include <memory>
#include <span>

namespace platform {

class Application;

void RuntimeInit();
using Initializer = void (*)();
// The platform's own initialisers, then the program's table, in order.
void RuntimePerformInitializers(std::span<const Initializer> program);
// The error an initialiser raised, once; start-up hands it to UnhandledException.
std::exception_ptr RuntimePendingException();
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// The exception helper calls fn(arg) and gives back the RuntimeException that escaped it, or
// nothing; an exception of any other kind travels on.
using ExceptionHelper = std::exception_ptr (*)(void (*fn)(void*), void* arg);
std::exception_ptr CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Makes Qt's application and calls lateStartup. Raises NoDisplayException, before Qt starts, when
// Qt would find no display to open.
void RunFrameworkInitialization(void (*lateStartup)());
// The event loop; returns after Quit (at once when a quit is already pending).
void RuntimeRun();
// Asks to quit with the exit code and returns; the loop ends after the current event.
void Quit(int exitCode = 0);

// The application's UnhandledException handler when its class binds one and it returns
// True; otherwise the default: the error on standard error and in a message box, then a quit
// with status 1, since an error must never end as status 0. Before Qt's application exists the
// box gets one of its own for as long as it shows, when there is a display to show it on; where
// there is none, a line on standard error names the display instead. A NoDisplayException is
// that one line alone.
void UnhandledException(std::exception_ptr error);

// Finalisers run once, in the reverse order of their registration, after the event loop.
void RuntimeAddFinalizer(void (*finalizer)());
void RuntimePerformFinalizers();
// The process status: the code given to the last Quit.
int RuntimeExit();

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
Application* GetAppObject();  // nullptr before registration

}  // namespace platform
