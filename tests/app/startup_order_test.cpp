// Start-up in the order its pieces depend on: the file types, then the application object
// with its version data and its menu bar, then its registration, and only then the About
// window, which is the one window when the event loop starts and the first to read a picture.
// Then what start-up leaves: the file types as the platform holds them, the version data, the
// one menu bar.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/menu.h"
#include "app/tavrel.h"
#include "platform/application.h"
#include "platform/menu.h"
#include "platform/object.h"
#include "platform/runtime.h"
#include "platform/values.h"
#include "platform/window.h"
#include "tests/app/startup_support.h"
#include "ui/wording.h"

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

std::string Registration() { return platform::GetAppObject() != nullptr ? "app registered" : "app not registered"; }

std::string RegisteredFileTypeNames() {
  std::string names;
  for (const platform::FileTypeRegistration& type : platform::RegisteredFileTypes()) names += " \"" + type.name + "\"";
  return names;
}

Tavrel* made = nullptr;

class SpyTavrel : public Tavrel {
 public:
  void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                        std::int64_t stage, std::string longVersion, std::string shortVersion,
                        std::string packageInfo) override {
    Log().push_back("version data set, " + Registration());
    Tavrel::x_SetVersionData(major, minor, bug, nonRelease, stage, std::move(longVersion), std::move(shortVersion),
                             std::move(packageInfo));
  }
  void SetMenuBar(std::shared_ptr<platform::MenuBar> bar) override {
    Log().push_back("menu bar installed with " + std::to_string(bar != nullptr ? bar->Count() : 0) + " menus, " +
                    Registration());
    Tavrel::SetMenuBar(std::move(bar));
  }
};

class SpyMenu : public Menu::Menu {
 public:
  void Constructor() override {
    Log().push_back("menu bar built, " + Registration());
    Menu::Menu::Constructor();
  }
};

// The state the user meets once start-up has handed over to the event loop.
struct AfterStartup {
  bool looked = false;
  int visibleWindows = 0;
  bool aboutWindowIsTheVisibleOne = false;
  bool calculatorWindowBuilt = false;
  Tavrel* app = nullptr;
  std::string version;
  bool installedBarIsTheOneMenuBar = false;
  std::vector<std::string> fileTypes;  // as the platform's registry holds them
};
AfterStartup afterStartup;

std::string Describe(const platform::VersionData& v) {
  return std::to_string(v.MajorVersion) + "." + std::to_string(v.MinorVersion) + "." + std::to_string(v.BugVersion) +
         " non-release " + std::to_string(v.NonReleaseVersion) + ", stage " + std::to_string(v.StageCode) +
         ", short \"" + v.ShortVersion + "\", package \"" + v.PackageInfo + "\"";
}

void LookAfterStartup() {
  std::shared_ptr<platform::Window> about = platform::GetImplicitWindow("AboutWnd.AboutWnd");
  QWidget* visible = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible()) ++afterStartup.visibleWindows, visible = top;
  afterStartup.looked = true;
  afterStartup.aboutWindowIsTheVisibleOne = about != nullptr && visible == about->Widget();
  afterStartup.calculatorWindowBuilt = platform::GetImplicitWindow("ControlWnd.ControlWnd") != nullptr;
  afterStartup.app = &App();
  afterStartup.version = Describe(App().Version());
  afterStartup.installedBarIsTheOneMenuBar = App().MenuBar() != nullptr && App().MenuBar() == Menu::implicitInstance;
  for (const platform::FileTypeRegistration& type : platform::RegisteredFileTypes())
    afterStartup.fileTypes.push_back("name \"" + type.name + "\", type \"" + type.macType + "\", creator \"" +
                                     type.macCreator + "\", extensions \"" + type.extensions + "\", UTI \"" + type.uti +
                                     "\"");
  EXPECT_TRUE(ui::kAboutNotice.starts_with(App().Version().LongVersion) &&
              App().Version().LongVersion.size() < ui::kAboutNotice.size())
      << "the long version is a shorter form of the About notice: " << App().Version().LongVersion;
  platform::Quit(0);
}

// The first window to open posts the look at the state, which runs once the event loop has
// started, and the quit.
void WindowOpened(platform::Object& object) {
  auto& window = static_cast<platform::Window&>(object);
  Log().push_back(object.Class().name + " opened " + (window.Visible() ? "visible" : "hidden") + ", " + Registration());
  static bool posted = false;
  if (!std::exchange(posted, true)) QTimer::singleShot(0, &LookAfterStartup);
}

void FinalizersRun() { Log().push_back("finalisers run"); }

// Pictures belong to the windows that show them: read while a window is built (it has its Qt
// window then, but is registered only once built), never before.
std::shared_ptr<platform::Object> PictureRead() {
  const bool aboutBeingBuilt = qApp != nullptr && !QApplication::topLevelWidgets().isEmpty() &&
                               platform::GetImplicitWindow("AboutWnd.AboutWnd") == nullptr;
  Log().push_back(aboutBeingBuilt ? "picture read while the About window is built" : "picture read, no window built");
  return std::make_shared<platform::Picture>();
}

TEST(Startup, RegistersFileTypesThenTheApplicationObjectThenOpensTheAboutWindow) {
  platform::RuntimeRegisterClass({.name = "Tavrel", .base = &platform::Application::Lookup(), .make = [] {
                                    Log().push_back(std::string("Tavrel made, Hi-DPI ") +
                                                    (platform::Application::SupportsHiDPI() ? "on" : "off") +
                                                    ", file types registered:" + RegisteredFileTypeNames());
                                    auto app = std::make_shared<SpyTavrel>();
                                    made = app.get();
                                    return app;
                                  }});
  platform::RuntimeRegisterClass(
      {.name = "Menu.Menu", .base = &platform::MenuBar::Lookup(), .make = platform::MakerOf<SpyMenu>()});
  platform::RuntimeRegisterClass({.name = "Picture", .make = &PictureRead});
  app_test::RegisterWindowRecordReportingOpen(&WindowOpened);
  platform::RuntimeAddFinalizer(&FinalizersRun);
  app_test::UseOffscreenUnlessTold();

  const int status = app::main();

  EXPECT_EQ(status, 0);
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "Tavrel made, Hi-DPI on, file types registered: \"text\" \"\"",
                       "version data set, app not registered",
                       "menu bar built, app not registered",
                       "menu bar installed with 4 menus, app not registered",
                       "picture read while the About window is built",
                       "picture read while the About window is built",
                       "AboutWnd.AboutWnd opened visible, app registered",
                       "finalisers run",
                   }));
  ASSERT_TRUE(afterStartup.looked);
  EXPECT_EQ(afterStartup.visibleWindows, 1);
  EXPECT_TRUE(afterStartup.aboutWindowIsTheVisibleOne);
  EXPECT_FALSE(afterStartup.calculatorWindowBuilt);
  EXPECT_EQ(afterStartup.app, made);
  EXPECT_EQ(afterStartup.version, "3.0.0 non-release 0, stage 3, short \"Tavrel\", package \"Tavrel\"");
  EXPECT_TRUE(afterStartup.installedBarIsTheOneMenuBar);
  EXPECT_EQ(afterStartup.fileTypes, (std::vector<std::string>{
                                        R"(name "text", type "TEXT", creator "R*ch", extensions "", UTI "")",
                                        R"(name "", type "", creator "", extensions "", UTI "")",
                                    }));
}

}  // namespace
