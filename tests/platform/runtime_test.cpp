// The runtime: quitting and the event loop, an error that escapes a handler, calls from another
// thread, and the start-up and shut-down hooks.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <sstream>
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

// Every user-interface operation, reads included, raises when called from another thread, and
// raises before it changes anything. Val, Str and Date are values, usable on any thread.

// What the rows act on, each reached on the main thread beforehand, so that a row's one call is
// the only platform operation its worker thread makes.
struct Subjects {
  TestWnd& window;
  platform::TextField& field;
  platform::PushButton& button;
  platform::Label& label;
  platform::Canvas& canvas;
  platform::Timer& timer;
  platform::TextField& unbuilt;  // allocated by the window, not yet constructed
  platform::Application& app;
  platform::MenuBar& bar;
  platform::MenuItem& item;  // in the bar's one menu
  platform::FileType& type;  // registered
};

// Everything a row could change, read on the main thread.
std::string Snapshot(const Subjects& s) {
  std::ostringstream out;
  out << "window visible " << s.window.Visible() << ", title " << s.window.Title() << ", controls "
      << s.window.ControlCount() << ", handler " << s.window.HasMenuHandler("FileOpen") << ", registered "
      << (platform::GetImplicitWindow(s.window.Class().name).get() == &s.window) << ", events "
      << s.window.controlEvents.size() << "; field \"" << s.field.Text() << "\" visible " << s.field.Visible()
      << " enabled " << s.field.Enabled() << "; caption " << s.button.Caption() << "; label " << s.label.Value()
      << "; backdrop " << (s.canvas.Backdrop() != nullptr) << "; timer " << s.timer.Period() << " ms mode "
      << s.timer.RunMode() << "; menus " << s.bar.Count() << " installed " << (s.app.MenuBar().get() == &s.bar)
      << "; item " << s.item.Name() << " \"" << s.item.Value() << "\" auto " << s.item.AutoEnabled() << " visible "
      << s.item.Visible() << " shortcut " << s.item.Shortcut() << " enabled " << s.item.Enabled() << " children "
      << s.item.Count() << "; file type " << s.type.Name() << " registered " << s.type.Registered() << " of "
      << platform::RegisteredFileTypes().size() << "; exit status " << platform::RuntimeExit();
  return out.str();
}

struct ThreadRow {
  const char* name;
  void (*call)(Subjects& s);
};

class OffMainThread : public gui_test::WatchedTableTest<ThreadRow> {};

TEST_P(OffMainThread, RaisesThreadAccessingUIExceptionAndChangesNothing) {
  auto bar = New<platform::MenuBar>();
  auto file = Item("FileMenu", "File");
  file->AddMenu(Item("FileOpen", "Open", false, "Cmd+O"));
  bar->AddMenu(file);
  auto app = New<platform::Application>();
  ScopedApp registered(app, bar);
  ScopedWindow<TestWnd> w({{"Visible", false}, {"Title", "Test"}},
                          {Field("NameFld"),
                           Button("OkBtn"),
                           Text("NoteLbl", {{"Value", "note"}}),
                           {.name = "Title", .cls = &platform::Canvas::Lookup},
                           Clock("Timer1", {{"Period", 5000}, {"RunMode", 0}})});
  w.Open();
  auto unbuilt = std::static_pointer_cast<platform::TextField>(w->New(platform::TextField::Lookup()));
  auto type = New<platform::FileType>();
  type->SetName("text");
  (void)static_cast<std::string>(*type);
  Subjects s{*w,
             w->Get<platform::TextField>("NameFld"),
             w->Get<platform::PushButton>("OkBtn"),
             w->Get<platform::Label>("NoteLbl"),
             w->Get<platform::Canvas>("Title"),
             w->Get<platform::Timer>("Timer1"),
             *unbuilt,
             *app,
             *bar,
             file->Item(0),
             *type};
  const std::string before = Snapshot(s);

  std::exception_ptr error;
  std::thread worker([&] {
    try {
      GetParam().call(s);
    } catch (...) {
      error = std::current_exception();
    }
  });
  worker.join();
  ASSERT_NE(error, nullptr) << "the call returned normally";
  EXPECT_THROW(std::rethrow_exception(error), platform::ThreadAccessingUIException);
  EXPECT_EQ(Snapshot(s), before);
  EXPECT_TRUE(watchdog.NoBox());
}

const ThreadRow kCalls[] = {
    // Windows and their registry.
    {"window_construction",
     [](Subjects&) {
       std::static_pointer_cast<BareWnd>(platform::RuntimeNewObject(BareWnd::Lookup()))->Constructor();
     }},
    {"window_show", [](Subjects& s) { s.window.Show(); }},
    {"window_hide", [](Subjects& s) { s.window.Hide(); }},
    {"window_close", [](Subjects& s) { s.window.Close(); }},
    {"window_visible", [](Subjects& s) { (void)s.window.Visible(); }},
    {"window_title", [](Subjects& s) { (void)s.window.Title(); }},
    {"window_new_control", [](Subjects& s) { (void)s.window.New(platform::Label::Lookup()); }},
    {"window_add_control",
     [](Subjects& s) { s.window.AddControl("ExtraLbl", platform::RuntimeNewObject(platform::Label::Lookup())); }},
    {"window_control_by_name", [](Subjects& s) { (void)s.window.ControlByName("NameFld"); }},
    {"window_add_menu_handler", [](Subjects& s) { s.window.AddMenuHandler("FileOpen", [] { return true; }); }},
    {"window_choose_menu_item", [](Subjects& s) { s.window.ChooseMenuItem(s.item); }},
    {"window_enable_menu_items", [](Subjects& s) { s.window.EnableMenuItems(); }},
    {"implicit_window_lookup", [](Subjects& s) { (void)platform::GetImplicitWindow(s.window.Class().name); }},
    // Controls.
    {"control_construction", [](Subjects& s) { s.unbuilt.Constructor(); }},
    {"control_set_focus", [](Subjects& s) { s.field.SetFocus(); }},
    {"control_visible", [](Subjects& s) { (void)s.field.Visible(); }},
    {"control_set_visible", [](Subjects& s) { s.field.SetVisible(false); }},
    {"control_enabled", [](Subjects& s) { (void)s.field.Enabled(); }},
    {"control_add_event_handler",
     [](Subjects& s) { platform::RuntimeAddEventHandler(s.button, "Action", [](platform::Control&) {}); }},
    {"property_block",
     [](Subjects& s) {
       platform::SetProperties(s.button, {{"Caption", "x"}});
     }},
    {"field_text", [](Subjects& s) { (void)s.field.Text(); }},
    {"field_set_text", [](Subjects& s) { s.field.SetText("1999"); }},
    {"button_caption", [](Subjects& s) { (void)s.button.Caption(); }},
    {"button_push", [](Subjects& s) { s.button.Push(); }},
    {"label_value", [](Subjects& s) { (void)s.label.Value(); }},
    {"canvas_backdrop", [](Subjects& s) { (void)s.canvas.Backdrop(); }},
    {"canvas_set_backdrop", [](Subjects& s) { s.canvas.SetBackdrop(nullptr); }},
    {"timer_period", [](Subjects& s) { (void)s.timer.Period(); }},
    {"timer_run_mode", [](Subjects& s) { (void)s.timer.RunMode(); }},
    {"timer_set_period", [](Subjects& s) { s.timer.SetPeriod(20); }},
    {"timer_set_run_mode", [](Subjects& s) { s.timer.SetRunMode(1); }},
    // Menus.
    {"application_menu_bar", [](Subjects& s) { (void)s.app.MenuBar(); }},
    {"application_set_menu_bar", [](Subjects& s) { s.app.SetMenuBar(nullptr); }},
    {"menu_item_name", [](Subjects& s) { (void)s.item.Name(); }},
    {"menu_item_set_name", [](Subjects& s) { s.item.SetName("Renamed"); }},
    {"menu_item_caption", [](Subjects& s) { (void)s.item.Value(); }},
    {"menu_item_set_caption", [](Subjects& s) { s.item.SetValue("Renamed"); }},
    {"menu_item_auto_enabled", [](Subjects& s) { (void)s.item.AutoEnabled(); }},
    {"menu_item_set_auto_enabled", [](Subjects& s) { s.item.SetAutoEnabled(true); }},
    {"menu_item_visible", [](Subjects& s) { (void)s.item.Visible(); }},
    {"menu_item_set_visible", [](Subjects& s) { s.item.SetVisible(false); }},
    {"menu_item_shortcut", [](Subjects& s) { (void)s.item.Shortcut(); }},
    {"menu_item_set_shortcut", [](Subjects& s) { s.item.SetShortcut("Cmd+P"); }},
    {"menu_item_enabled", [](Subjects& s) { (void)s.item.Enabled(); }},
    {"menu_item_set_enabled", [](Subjects& s) { s.item.SetEnabled(true); }},
    {"menu_add_menu", [](Subjects& s) { s.bar.AddMenu(New<platform::MenuItem>()); }},
    {"menu_count", [](Subjects& s) { (void)s.bar.Count(); }},
    {"menu_item_at", [](Subjects& s) { (void)s.bar.Item(0); }},
    {"menu_child", [](Subjects& s) { (void)s.bar.Child("FileMenu"); }},
    {"menu_lookup", [](Subjects& s) { (void)s.bar.Lookup("FileOpen"); }},
    // Values, pictures, file types and the runtime.
    {"message_box", [](Subjects&) { platform::MsgBox("from a worker"); }},
    {"picture_from_app", [](Subjects&) { (void)platform::Picture::OpenFromApp("Quillet.png"); }},
    {"file_type_registration", [](Subjects& s) { (void)static_cast<std::string>(s.type); }},
    {"file_type_setter", [](Subjects& s) { s.type.SetMacType("TEXT"); }},
    {"file_type_registered", [](Subjects& s) { (void)s.type.Registered(); }},
    {"registered_file_types", [](Subjects&) { (void)platform::RegisteredFileTypes(); }},
    {"framework_initialization", [](Subjects&) { platform::RunFrameworkInitialization([] {}); }},
    {"event_loop", [](Subjects&) { platform::RuntimeRun(); }},
    {"quit", [](Subjects&) { platform::Quit(5); }},
};
INSTANTIATE_TEST_SUITE_P(Calls, OffMainThread, testing::ValuesIn(kCalls), RowName());

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
