#include "tests/platform/test_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace platform_test {

using platform::BindEvent;

const platform::ClassRecord& TestWnd::Lookup() {
  static const platform::ClassRecord& record = platform::RuntimeRegisterClass({
      .name = "TestWnd.TestWnd",
      .base = &platform::Window::Lookup(),
      .events =
          {
              BindEvent("Layout", "TestWnd.Layout", &TestWnd::Layout),
              BindEvent("CreateControls", "TestWnd.CreateControls", &TestWnd::CreateControls),
              BindEvent("AddMenuHandlers", "TestWnd.AddMenuHandlers", &TestWnd::AddMenuHandlers),
              BindEvent("Open", "TestWnd.Event_Open", &TestWnd::Event_Open),
              BindEvent("Activate", "TestWnd.Event_Activate", &TestWnd::Event_Activate),
              BindEvent("KeyDown", "TestWnd.Event_KeyDown", &TestWnd::Event_KeyDown),
              BindEvent("MouseDown", "TestWnd.Event_MouseDown", &TestWnd::Event_MouseDown),
              BindEvent("MouseExit", "TestWnd.Event_MouseExit", &TestWnd::Event_MouseExit),
              BindEvent("EnableMenuItems", "TestWnd.Event_EnableMenuItems", &TestWnd::Event_EnableMenuItems),
              BindEvent("Close", "TestWnd.Event_Close", &TestWnd::Event_Close),
          },
      .make = platform::MakerOf<TestWnd>(),
  });
  return record;
}

const platform::ClassRecord& BareWnd::Lookup() {
  static const platform::ClassRecord& record = platform::RuntimeRegisterClass(
      {.name = "BareWnd.BareWnd", .base = &platform::Window::Lookup(), .make = platform::MakerOf<BareWnd>()});
  return record;
}

void TestWnd::Layout() {
  ++calls.layout;
  calls.build.push_back("Layout");
  platform::SetProperties(*this, layout);
}

void TestWnd::CreateControls() {
  ++calls.createControls;
  calls.build.push_back("CreateControls");
  platform::BuildControls(*this, controls);
}

void TestWnd::AddMenuHandlers(platform::Window& window) {
  ++calls.addMenuHandlers;
  calls.build.push_back("AddMenuHandlers");
  for (const auto& [item, handler] : menuHandlers) window.AddMenuHandler(item, handler);
}

void TestWnd::Event_Open() {
  ++calls.open;
  calls.build.push_back("Open");
  calls.controlsAtOpen = ControlCount();
  calls.visibleAtOpen = Visible();
  calls.registeredAtOpen = platform::GetImplicitWindow(Class().name).get() == this;
}

void TestWnd::Event_Activate() { ++calls.activate; }

bool TestWnd::Event_KeyDown(const std::string& key) {
  ++calls.keyDown;
  calls.lastKey = key;
  return keyDownResult;
}

bool TestWnd::Event_MouseDown(std::int64_t x, std::int64_t y) {
  ++calls.mouseDown;
  calls.mouseX = x;
  calls.mouseY = y;
  return false;
}

void TestWnd::Event_MouseExit() { ++calls.mouseExit; }

void TestWnd::Event_EnableMenuItems() {
  ++calls.enableMenuItems;
  if (onEnableMenuItems) onEnableMenuItems(*this);
}

void TestWnd::Event_Close() { ++calls.close; }

void TestWnd::Log(platform::Control& control, const char* event) {
  controlEvents.push_back(control.Name() + "." + event);
  eventControls.push_back(&control);
  if (onControlEvent) onControlEvent(control);
}

void TestWnd::OnButtonAction(platform::PushButton& button) { Log(button, "Action"); }
void TestWnd::OnTimerAction(platform::Timer& timer) { Log(timer, "Action"); }
void TestWnd::OnCanvasEnter(platform::Canvas& canvas) { Log(canvas, "MouseEnter"); }
void TestWnd::OnCanvasExit(platform::Canvas& canvas) { Log(canvas, "MouseExit"); }

namespace {
// A control's place unless `extra` gives another: properties set later win.
platform::PropertyBlock Placed(platform::PropertyBlock extra) {
  platform::PropertyBlock block = {{"Left", 10}, {"Top", 10}, {"Width", 100}, {"Height", 22}};
  block.insert(block.end(), extra.begin(), extra.end());
  return block;
}
}  // namespace

platform::ControlDescription Button(std::string name, platform::PropertyBlock extra) {
  platform::PropertyBlock block = Placed(std::move(extra));
  block.insert(block.begin(), {"Caption", name});
  return {.name = std::move(name),
          .cls = &platform::PushButton::Lookup,
          .properties = std::move(block),
          .events = {platform::Wire("Action", &TestWnd::OnButtonAction)}};
}

platform::ControlDescription Field(std::string name, platform::PropertyBlock extra) {
  return {.name = std::move(name), .cls = &platform::TextField::Lookup, .properties = Placed(std::move(extra))};
}

platform::ControlDescription Text(std::string name, platform::PropertyBlock extra) {
  return {.name = std::move(name), .cls = &platform::Label::Lookup, .properties = Placed(std::move(extra))};
}

platform::ControlDescription Clock(std::string name, platform::PropertyBlock properties) {
  return {.name = std::move(name),
          .cls = &platform::Timer::Lookup,
          .properties = std::move(properties),
          .events = {platform::Wire("Action", &TestWnd::OnTimerAction)}};
}

platform::PropertyBlock ShownLayout(platform::PropertyBlock extra) {
  platform::PropertyBlock block = {{"Width", 300}, {"Height", 200}, {"Title", "Test"}, {"Visible", true}};
  block.insert(block.end(), extra.begin(), extra.end());
  return block;
}

void FlushDeferredDeletes() { QTest::qWait(0); }

ScopedApp::ScopedApp(std::shared_ptr<platform::Application> app, std::shared_ptr<platform::MenuBar> bar) {
  if (bar != nullptr) app->SetMenuBar(std::move(bar));
  platform::RuntimeRegisterAppObject(std::move(app));
}

ScopedApp::~ScopedApp() { platform::RuntimeRegisterAppObject(nullptr); }

testing::AssertionResult ConsumeQuit(int timeoutMs) {
  bool timedOut = false;
  QTimer fallback;
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [&] {
    timedOut = true;
    platform::Quit(-1);
  });
  fallback.start(timeoutMs);
  QElapsedTimer clock;
  clock.start();
  platform::RuntimeRun();
  if (timedOut) return testing::AssertionFailure() << "no quit was pending: the loop ran for " << timeoutMs << " ms";
  return testing::AssertionSuccess() << "the loop returned after " << clock.elapsed() << " ms";
}

}  // namespace platform_test
