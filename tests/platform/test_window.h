#pragma once
// What the platform tests build with.
//
// TestWnd binds every window event to a method that counts it, and is described by data: the
// test fills in its property block and controls between allocation and Constructor. Its control
// handlers log "Name.Event" with the control they were given. BareWnd is the same C++ class under
// a record that binds nothing, so whatever it counts is a call made without a binding.
//
// Process-wide state outlives a test: ScopedWindow closes its window and lets Qt delete the
// widgets; ScopedApp registers an application object and withdraws it; ConsumeQuit takes a
// pending quit out of the way.

#include "tests/support/row_name.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace platform_test {

struct WindowCalls {
  int layout = 0, createControls = 0, addMenuHandlers = 0, open = 0;
  int activate = 0, keyDown = 0, mouseDown = 0, mouseExit = 0, enableMenuItems = 0, close = 0;
  std::vector<std::string> build;  // the construction events and Open, in the order raised
  std::string lastKey;
  std::int64_t mouseX = -1, mouseY = -1;
  std::size_t controlsAtOpen = 0;
  bool visibleAtOpen = false, registeredAtOpen = false;
};

class TestWnd : public platform::Window {
 public:
  static const platform::ClassRecord& Lookup();  // "TestWnd.TestWnd"

  // Read while the window is built.
  platform::PropertyBlock layout;
  std::vector<platform::ControlDescription> controls;
  std::map<std::string, std::function<bool()>> menuHandlers;  // bound in AddMenuHandlers
  std::function<void(TestWnd&)> onEnableMenuItems;
  std::function<void(platform::Control&)> onControlEvent;  // runs after the event is logged
  bool keyDownResult = false;

  WindowCalls calls;
  std::vector<std::string> controlEvents;         // "OkBtn.Action", in order
  std::vector<platform::Control*> eventControls;  // the control each handler was given

  template <class C>
  C& Get(std::string_view name) const {
    return platform::RuntimeCheckCast<C>(ControlByName(name));
  }

  // Control handlers, wired by the descriptions below.
  void OnButtonAction(platform::PushButton& button);
  void OnTimerAction(platform::Timer& timer);
  void OnCanvasEnter(platform::Canvas& canvas);
  void OnCanvasExit(platform::Canvas& canvas);

 private:
  void Layout();
  void CreateControls();
  void AddMenuHandlers(platform::Window& window);
  void Event_Open();
  void Event_Activate();
  bool Event_KeyDown(const std::string& key);
  bool Event_MouseDown(std::int64_t x, std::int64_t y);
  void Event_MouseExit();
  void Event_EnableMenuItems();
  void Event_Close();
  void Log(platform::Control& control, const char* event);
};

class BareWnd : public TestWnd {
 public:
  static const platform::ClassRecord& Lookup();  // "BareWnd.BareWnd", no bindings
};

// Control descriptions wired to TestWnd's handlers; `extra` follows the geometry.
platform::ControlDescription Button(std::string name, platform::PropertyBlock extra = {});
platform::ControlDescription Field(std::string name, platform::PropertyBlock extra = {});
platform::ControlDescription Text(std::string name, platform::PropertyBlock extra = {});   // a Label
platform::ControlDescription Clock(std::string name, platform::PropertyBlock properties);  // a Timer

// A shown document window of 300 by 200 with a title.
platform::PropertyBlock ShownLayout(platform::PropertyBlock extra = {});

// Lets Qt delete what was deleteLater'd (a closed window's widgets).
void FlushDeferredDeletes();

// A window allocated for the test; Open() builds it. On scope exit it is closed, released and
// its widgets deleted, so the registry is as the test found it.
template <class W>
class ScopedWindow {
 public:
  explicit ScopedWindow(platform::PropertyBlock layout = {}, std::vector<platform::ControlDescription> controls = {})
      : window_(std::static_pointer_cast<W>(platform::RuntimeNewObject(W::Lookup()))) {
    window_->layout = std::move(layout);
    window_->controls = std::move(controls);
  }
  ~ScopedWindow() {
    if (window_->Widget() != nullptr) window_->Close();
    window_.reset();
    FlushDeferredDeletes();
  }
  ScopedWindow(const ScopedWindow&) = delete;
  ScopedWindow& operator=(const ScopedWindow&) = delete;

  W& Open() {
    window_->Constructor();
    return *window_;
  }
  W* operator->() const { return window_.get(); }
  W& operator*() const { return *window_; }
  const std::shared_ptr<W>& shared() const { return window_; }

 private:
  std::shared_ptr<W> window_;
};

// A new object of the platform class T, as the runtime makes it.
template <class T>
std::shared_ptr<T> New() {
  return std::static_pointer_cast<T>(platform::RuntimeNewObject(T::Lookup()));
}

template <class T = platform::MenuItem>
std::shared_ptr<T> Item(std::string name, std::string caption, bool autoEnabled = false, std::string shortcut = "") {
  auto item = New<T>();
  item->SetName(std::move(name));
  item->SetValue(std::move(caption));
  item->SetAutoEnabled(autoEnabled);
  if (!shortcut.empty()) item->SetShortcut(std::move(shortcut));
  return item;
}

// Registers the application object for the scope; declare it before the windows that draw its
// menu bar, so they close first.
class ScopedApp {
 public:
  explicit ScopedApp(std::shared_ptr<platform::Application> app, std::shared_ptr<platform::MenuBar> bar = nullptr);
  ~ScopedApp();
  ScopedApp(const ScopedApp&) = delete;
  ScopedApp& operator=(const ScopedApp&) = delete;
};

using test_rows::PrintTo;
using test_rows::RowName;

// Runs the platform's event loop to take a pending quit. Fails, after quitting the loop itself
// with -1, when no quit was pending within the timeout, so a missing quit cannot hang a test.
testing::AssertionResult ConsumeQuit(int timeoutMs = 2000);

}  // namespace platform_test
