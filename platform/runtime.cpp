#include "platform/runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <thread>
#include <vector>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/qt/desktop_identity.h"
#include "platform/qt/dispatch.h"
#include "platform/qt/display.h"
#include "platform/values.h"
#include "platform/window.h"

namespace platform {

namespace {
struct RuntimeState {
  std::thread::id mainThread = std::this_thread::get_id();
  ExceptionHelper helper = nullptr;
  std::exception_ptr pending;  // left by an initialiser
  std::shared_ptr<Application> app;
  std::unique_ptr<QApplication> qtApp;  // only when the runtime made it
  bool quitPending = false;
  bool loopRunning = false;
  int exitCode = 0;
  int dispatchDepth = 0;
  std::vector<void (*)()> finalizers;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

// Qt keeps references to these for the life of the application.
int qtArgc = 1;
char qtProgramName[] = "tavrel";
char* qtArgv[] = {qtProgramName, nullptr};

void Trampoline(void* code) { (*static_cast<const std::function<void()>*>(code))(); }

std::string Describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unknown error";
  }
}

void ShowErrorBox(const std::string& what) {
  QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                        QString::fromUtf8("An unexpected error occurred:\n\n") + QString::fromStdString(what));
}

// A line on standard error in the form of the system's own tools: the program's name first.
void TellStandardError(const std::string& what) {
  std::cerr << program_invocation_short_name << ": " << what << std::endl;
}

bool IsNoDisplay(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const NoDisplayException&) {
    return true;
  } catch (...) {
    return false;
  }
}

void DefaultUnhandledException(std::exception_ptr error) {
  const std::string what = Describe(error);
  if (IsNoDisplay(error)) {
    // Said as such, with no box: there is no display to show one on.
    TellStandardError(what);
  } else {
    std::cerr << "unhandled error: " << what << std::endl;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
      ShowErrorBox(what);
    } else if (QCoreApplication::instance() == nullptr) {
      // The error came before start-up made Qt's application, as when the menu bar cannot be
      // built: one lives for the box alone, so a user who started the program from a desktop
      // still sees why it did not open; where no display would take it, Qt would abort.
      if (const detail::DisplayCheck display; display.Problem()) {
        TellStandardError(*display.Problem());
      } else {
        QApplication forTheBox(qtArgc, qtArgv);
        ShowErrorBox(what);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      }
    }
  }
  Quit(1);
}
}  // namespace

namespace detail {
void RequireMainThread() {
  if (auto* app = QCoreApplication::instance()) {
    if (QThread::currentThread() != app->thread()) throw ThreadAccessingUIException();
  } else if (std::this_thread::get_id() != State().mainThread) {
    throw ThreadAccessingUIException();
  }
}

void Dispatch(Object* keepAlive, const std::function<void()>& code) {
  RuntimeState& state = State();
  std::shared_ptr<Object> hold = keepAlive != nullptr ? keepAlive->weak_from_this().lock() : nullptr;
  ++state.dispatchDepth;
  std::exception_ptr error;
  try {
    if (state.helper != nullptr)
      error = state.helper(&Trampoline, const_cast<std::function<void()>*>(&code));
    else
      code();
  } catch (...) {
    error = std::current_exception();
  }
  if (error) {
    try {
      UnhandledException(error);
    } catch (...) {
      // The handling itself failed: nothing is left to tell but standard error.
      std::cerr << "error while handling an error: " << Describe(std::current_exception()) << std::endl;
      Quit(1);
    }
  }
  if (--state.dispatchDepth == 0) ReleaseClosedWindows();
}
}  // namespace detail

void RuntimeInit() { State().mainThread = std::this_thread::get_id(); }

void RuntimePerformInitializers(std::span<const Initializer> program) {
  try {
    // The platform's own class records first, so that the program's records can name them as bases.
    for (auto lookup :
         {&Window::Lookup, &Control::Lookup, &RectControl::Lookup, &TextField::Lookup, &PushButton::Lookup,
          &Label::Lookup, &Canvas::Lookup, &Timer::Lookup, &MenuItem::Lookup, &MenuBar::Lookup, &QuitMenuItem::Lookup,
          &AppleMenuItem::Lookup, &Application::Lookup, &Picture::Lookup, &FileType::Lookup})
      lookup();
    for (Initializer init : program) init();
  } catch (...) {
    State().pending = std::current_exception();
  }
}

std::exception_ptr RuntimePendingException() { return std::exchange(State().pending, nullptr); }

void RuntimeInitExternalClasses() {}
void InitPluginEntrypoints() {}

std::exception_ptr CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg) {
  try {
    fn(arg);
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) { State().helper = helper; }

void RunFrameworkInitialization(void (*lateStartup)()) {
  detail::RequireMainThread();
  RuntimeState& state = State();
  if (QCoreApplication::instance() == nullptr) {
    // Qt aborts the process when its display does not open; a missing display is an error like
    // any other, which ends start-up with a line that names it and the status 1.
    const detail::DisplayCheck display;
    if (display.Problem()) throw NoDisplayException(*display.Problem());
    if (!Application::SupportsHiDPI()) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    state.qtApp = std::make_unique<QApplication>(qtArgc, qtArgv);
  }
  if (auto* gui = qobject_cast<QApplication*>(QCoreApplication::instance())) gui->setQuitOnLastWindowClosed(false);
  if (state.app != nullptr && !state.app->Version().ShortVersion.empty())
    QCoreApplication::setApplicationName(QString::fromStdString(state.app->Version().ShortVersion));
  detail::ApplyDesktopIdentity();
  lateStartup();
}

void RuntimeRun() {
  detail::RequireMainThread();
  RuntimeState& state = State();
  if (!state.quitPending) {
    if (QCoreApplication::instance() == nullptr)
      throw RuntimeException("the event loop runs only after RunFrameworkInitialization");
    state.loopRunning = true;
    QCoreApplication::exec();
    state.loopRunning = false;
  }
  state.quitPending = false;
}

void Quit(int exitCode) {
  detail::RequireMainThread();
  RuntimeState& state = State();
  state.exitCode = exitCode;
  state.quitPending = true;
  // Outside the loop Qt would keep the request and end every later modal loop at once, so the
  // quit waits for RuntimeRun instead.
  if (state.loopRunning) QCoreApplication::exit(exitCode);
}

void UnhandledException(std::exception_ptr error) {
  if (Application* app = GetAppObject()) {
    std::optional<bool> handled = RaiseEvent(*app, "UnhandledException", error);
    if (handled.value_or(false)) return;
  }
  DefaultUnhandledException(error);
}

void RuntimeAddFinalizer(void (*finalizer)()) { State().finalizers.push_back(finalizer); }

void RuntimePerformFinalizers() {
  RuntimeState& state = State();
  for (auto it = state.finalizers.rbegin(); it != state.finalizers.rend(); ++it) (*it)();
  state.finalizers.clear();
  detail::ReleaseAllWindows();
  state.app.reset();
  if (state.qtApp != nullptr) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.qtApp.reset();
  }
}

int RuntimeExit() { return State().exitCode; }

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) { State().app = std::move(app); }

Application* GetAppObject() { return State().app.get(); }

}  // namespace platform
