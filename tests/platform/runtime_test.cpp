// The runtime: quitting and the event loop, an error that escapes a handler, calls from another
// thread, and the start-up and shut-down hooks.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <stdexcept>
#include <thread>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

class Quitting : public gui_test::WatchedTest {};

TEST_F(Quitting, AQuitAskedBeforeTheLoopMakesItReturnAtOnceWithTheCode) {
  platform::Quit(3);
  EXPECT_TRUE(ConsumeQuit(1000));
  EXPECT_EQ(platform::RuntimeExit(), 3);
}

TEST_F(Quitting, TheLastQuitGivesTheStatus) {
  platform::Quit(3);
  platform::Quit(4);
  EXPECT_TRUE(ConsumeQuit(1000));
  EXPECT_EQ(platform::RuntimeExit(), 4);
}

TEST_F(Quitting, AQuitAskedFromAHandlerEndsTheRunningLoop) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Clock("Timer1", {{"Period", 20}, {"RunMode", 1}})});
  w->onControlEvent = [](platform::Control&) { platform::Quit(6); };
  w.Open();
  EXPECT_TRUE(ConsumeQuit());
  EXPECT_EQ(platform::RuntimeExit(), 6);
  EXPECT_EQ(w->controlEvents.size(), 1u);
}

TEST_F(Quitting, AConsumedQuitLeavesLaterMessageBoxesWaiting) {
  platform::Quit(3);
  ASSERT_TRUE(ConsumeQuit(1000));
  platform::MsgBox("still modal");
  ASSERT_EQ(watchdog.Take().size(), 1u) << "the box returned before anyone dismissed it";
}

// An error that escapes a control handler goes to the application's UnhandledException when its
// class binds one that returns True; otherwise to the default: a message box, then quit with 1.

class HandlingApp : public platform::Application {
 public:
  static const platform::ClassRecord& Lookup() {
    static const platform::ClassRecord& record = platform::RuntimeRegisterClass({
        .name = "HandlingApp.HandlingApp",
        .base = &platform::Application::Lookup(),
        .events = {platform::BindEvent("UnhandledException", "HandlingApp.UnhandledException",
                                       &HandlingApp::UnhandledException)},
        .make = platform::MakerOf<HandlingApp>(),
    });
    return record;
  }
  bool handles = true;
  std::vector<std::string> errors;

 private:
  bool UnhandledException(std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      errors.push_back(e.what());
    } catch (...) {
      errors.push_back("?");
    }
    return handles;
  }
};

enum class AppKind { None, Plain, Handles, Declines };

struct ErrorRow {
  const char* name;
  AppKind app;
  void (*raise)();
  bool defaultHandling;  // a box naming the error, then a quit with 1
  const char* what;      // what the box or the handler reports
};

class UnhandledError : public gui_test::WatchedTableTest<ErrorRow> {};

TEST_P(UnhandledError, FromAButtonHandlerIsHandledWithoutACrash) {
  const ErrorRow& row = GetParam();
  std::shared_ptr<HandlingApp> handling;
  std::shared_ptr<platform::Application> app;
  if (row.app == AppKind::Plain) app = New<platform::Application>();
  if (row.app == AppKind::Handles || row.app == AppKind::Declines) {
    app = handling = New<HandlingApp>();
    handling->handles = row.app == AppKind::Handles;
  }
  std::optional<ScopedApp> registered;
  if (app != nullptr) registered.emplace(app);
  if (!row.defaultHandling) {
    platform::Quit(7);  // a status that a quit with 1 would replace
    ASSERT_TRUE(ConsumeQuit(1000));
  }

  ScopedWindow<TestWnd> w(ShownLayout(), {Button("BoomBtn"), Button("OkBtn", {{"Top", 40}})});
  w->onControlEvent = [raise = row.raise](platform::Control& c) {
    if (c.Name() == "BoomBtn") raise();
  };
  w.Open();
  QTest::mouseClick(w->Get<platform::PushButton>("BoomBtn").Widget(), Qt::LeftButton);

  if (row.defaultHandling) {
    const auto boxes = watchdog.Take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_THAT(boxes[0].text, HasSubstr(row.what));
    EXPECT_TRUE(ConsumeQuit());
    EXPECT_EQ(platform::RuntimeExit(), 1);
  } else {
    EXPECT_TRUE(watchdog.NoBox());
    EXPECT_EQ(platform::RuntimeExit(), 7);
  }
  if (handling != nullptr) {
    EXPECT_THAT(handling->errors, ElementsAre(row.what));
  }
  // The window goes on working.
  QTest::mouseClick(w->Get<platform::PushButton>("OkBtn").Widget(), Qt::LeftButton);
  EXPECT_THAT(w->controlEvents, ElementsAre("BoomBtn.Action", "OkBtn.Action"));
}

void RaiseStd() { throw std::logic_error("boom"); }
void RaisePlatform() { throw platform::NilObjectException("nil DOByFld"); }
void RaiseInt() { throw 42; }

INSTANTIATE_TEST_SUITE_P(
    Handling, UnhandledError,
    testing::Values(ErrorRow{"no_app_object_gets_the_default", AppKind::None, &RaiseStd, true, "boom"},
                    ErrorRow{"platform_error_gets_the_default", AppKind::None, &RaisePlatform, true, "nil DOByFld"},
                    ErrorRow{"error_of_no_standard_type_gets_the_default", AppKind::None, &RaiseInt, true, "unknown"},
                    ErrorRow{"app_without_a_binding_gets_the_default", AppKind::Plain, &RaiseStd, true, "boom"},
                    ErrorRow{"app_handler_returning_false_gets_the_default", AppKind::Declines, &RaiseStd, true,
                             "boom"},
                    ErrorRow{"app_handler_returning_true_takes_it", AppKind::Handles, &RaiseStd, false, "boom"}),
    RowName());

// A class handles the events its bases bind: the record's answer and dispatch agree.
TEST(ClassRecord, HandlesTheEventsItsBaseBinds) {
  const platform::ClassRecord& derived = platform::RuntimeRegisterClass(
      {.name = "DerivedApp.DerivedApp", .base = &HandlingApp::Lookup(), .make = platform::MakerOf<HandlingApp>()});
  ASSERT_TRUE(derived.events.empty());
  EXPECT_TRUE(derived.IsEventImplemented("UnhandledException"));
  EXPECT_FALSE(derived.IsEventImplemented("Open"));
  EXPECT_FALSE(platform::Application::Lookup().IsEventImplemented("UnhandledException"));
  const std::shared_ptr<platform::Object> app = platform::RuntimeNewObject(derived);
  EXPECT_EQ(platform::RaiseEvent(*app, "UnhandledException", std::make_exception_ptr(std::logic_error("x"))),
            std::optional<bool>(true));
}

// User-interface calls from another thread raise instead of touching Qt off its thread.

struct ThreadRow {
  const char* name;
  void (*call)(TestWnd& window);
};

class OffMainThread : public gui_test::WatchedTableTest<ThreadRow> {};

TEST_P(OffMainThread, RaisesThreadAccessingUIException) {
  ScopedWindow<TestWnd> w({{"Visible", false}},
                          {Field("NameFld"), Button("OkBtn"), {.name = "Title", .cls = &platform::Canvas::Lookup}});
  w.Open();
  std::exception_ptr error;
  std::thread worker([&] {
    try {
      GetParam().call(*w);
    } catch (...) {
      error = std::current_exception();
    }
  });
  worker.join();
  ASSERT_NE(error, nullptr) << "the call returned normally";
  EXPECT_THROW(std::rethrow_exception(error), platform::ThreadAccessingUIException);
  EXPECT_FALSE(w->Visible());
  EXPECT_THAT(w->controlEvents, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, OffMainThread,
    testing::Values(
        ThreadRow{"window_show", [](TestWnd& w) { w.Show(); }}, ThreadRow{"window_hide", [](TestWnd& w) { w.Hide(); }},
        ThreadRow{"window_close", [](TestWnd& w) { w.Close(); }},
        ThreadRow{"window_construction",
                  [](TestWnd&) {
                    std::static_pointer_cast<BareWnd>(platform::RuntimeNewObject(BareWnd::Lookup()))->Constructor();
                  }},
        ThreadRow{"control_set_focus", [](TestWnd& w) { w.Get<platform::TextField>("NameFld").SetFocus(); }},
        ThreadRow{"control_set_visible", [](TestWnd& w) { w.Get<platform::TextField>("NameFld").SetVisible(false); }},
        ThreadRow{"field_set_text", [](TestWnd& w) { w.Get<platform::TextField>("NameFld").SetText("1999"); }},
        ThreadRow{"field_read_text", [](TestWnd& w) { (void)w.Get<platform::TextField>("NameFld").Text(); }},
        ThreadRow{"canvas_backdrop", [](TestWnd& w) { w.Get<platform::Canvas>("Title").SetBackdrop(nullptr); }},
        ThreadRow{"button_push", [](TestWnd& w) { w.Get<platform::PushButton>("OkBtn").Push(); }},
        ThreadRow{"property_block",
                  [](TestWnd& w) {
                    platform::SetProperties(w.Get<platform::PushButton>("OkBtn"), {{"Caption", "x"}});
                  }},
        ThreadRow{"message_box", [](TestWnd&) { platform::MsgBox("from a worker"); }},
        ThreadRow{"event_loop", [](TestWnd&) { platform::RuntimeRun(); }}),
    RowName());

// Start-up and shut-down.

class StartUp : public gui_test::WatchedTest {};

TEST_F(StartUp, FrameworkInitializationCallsTheLateStartupOnceOnTheMainThreadWithTheSameQtApplication) {
  static int calls = 0;
  static bool onMainThread = false;
  calls = 0;
  QCoreApplication* before = QCoreApplication::instance();
  platform::RunFrameworkInitialization([] {
    ++calls;
    onMainThread = QThread::currentThread() == qApp->thread();
  });
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(onMainThread);
  EXPECT_EQ(QCoreApplication::instance(), before);
}

TEST_F(StartUp, InitializersRunInOrderAfterThePlatformsOwnAndTheFirstErrorIsKept) {
  static std::vector<std::string> ran;
  ran.clear();
  const platform::Initializer table[] = {
      [] { ran.push_back(platform::RuntimeFindClass("Window") != nullptr ? "first, Window known" : "first"); },
      [] { ran.push_back("second"); },
      [] { throw platform::RuntimeException("third failed"); },
      [] { ran.push_back("fourth"); },
  };
  platform::RuntimePerformInitializers(table);
  EXPECT_THAT(ran, ElementsAre("first, Window known", "second"));
  std::exception_ptr pending = platform::RuntimePendingException();
  ASSERT_NE(pending, nullptr);
  EXPECT_THROW(std::rethrow_exception(pending), platform::RuntimeException);
  EXPECT_EQ(platform::RuntimePendingException(), nullptr) << "kept once only";
}

TEST_F(StartUp, TheAppObjectIsNilUntilRegistered) {
  EXPECT_EQ(platform::GetAppObject(), nullptr);
  auto app = New<platform::Application>();
  ScopedApp registered(app);
  EXPECT_EQ(platform::GetAppObject(), app.get());
}

TEST_F(StartUp, TheExceptionHelperTrapsOnlyRuntimeExceptions) {
  auto raise = [](void* what) {
    if (*static_cast<int*>(what) == 1) throw platform::IllegalCastException("trapped");
    if (*static_cast<int*>(what) == 2) throw std::logic_error("travels on");
  };
  int nothing = 0, runtime = 1, other = 2;
  EXPECT_EQ(platform::CallFunctionWithExceptionHandling(raise, &nothing), nullptr);
  EXPECT_THROW(std::rethrow_exception(platform::CallFunctionWithExceptionHandling(raise, &runtime)),
               platform::IllegalCastException);
  EXPECT_THROW(platform::CallFunctionWithExceptionHandling(raise, &other), std::logic_error);
}

TEST_F(StartUp, FinalizersRunOnceInReverseOrder) {
  static std::vector<int> ran;
  ran.clear();
  platform::RuntimeAddFinalizer([] { ran.push_back(1); });
  platform::RuntimeAddFinalizer([] { ran.push_back(2); });
  platform::RuntimePerformFinalizers();
  platform::RuntimePerformFinalizers();
  EXPECT_THAT(ran, ElementsAre(2, 1));
  EXPECT_NE(QCoreApplication::instance(), nullptr) << "the test's own QApplication is not the runtime's to end";
}

}  // namespace
}  // namespace platform_test
