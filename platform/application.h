#pragma once
// The application object: version data and the menu bar. The program registers exactly one
// (RuntimeRegisterAppObject); its class record may bind UnhandledException.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/object.h"
#include "platform/values.h"

namespace platform {

class MenuBar;

struct VersionData {
  std::int64_t MajorVersion = 0, MinorVersion = 0, BugVersion = 0, NonReleaseVersion = 0, StageCode = 0;
  std::string LongVersion, ShortVersion, PackageInfo;
};

class Application : public Object {
 public:
  static const ClassRecord& Lookup();
  virtual void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                                std::int64_t stage, std::string longVersion, std::string shortVersion,
                                std::string packageInfo);
  const VersionData& Version() const { return version_; }

  const std::shared_ptr<platform::MenuBar>& MenuBar() const;
  virtual void SetMenuBar(std::shared_ptr<platform::MenuBar> bar);

  // Must be switched on before the first window or picture exists.
  static void SetSupportsHiDPI(bool on);
  static bool SupportsHiDPI();

 private:
  VersionData version_;
  std::shared_ptr<platform::MenuBar> menuBar_;
};

}  // namespace platform
