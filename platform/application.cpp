#include "platform/application.h"

#include "platform/qt/dispatch.h"

namespace platform {

namespace {
bool supportsHiDPI = false;
}

const ClassRecord& Application::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "Application", .make = MakerOf<Application>()});
  return record;
}

void Application::x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                                   std::int64_t stage, std::string longVersion, std::string shortVersion,
                                   std::string packageInfo) {
  version_ = {major, minor, bug, nonRelease, stage, std::move(longVersion), std::move(shortVersion),
              std::move(packageInfo)};
}

const std::shared_ptr<MenuBar>& Application::MenuBar() const { return detail::ReadOnMainThread(menuBar_); }
void Application::SetMenuBar(std::shared_ptr<platform::MenuBar> bar) {
  detail::WriteOnMainThread(menuBar_, std::move(bar));
}

void Application::SetSupportsHiDPI(bool on) { supportsHiDPI = on; }
bool Application::SupportsHiDPI() { return supportsHiDPI; }

}  // namespace platform
