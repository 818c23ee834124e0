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

// How the desktop knows the program's windows: the id of its desktop entry (the entry's file name
// without ".desktop"), by which task bars and window switchers match the windows to the entry,
// and the picture that every window carries as its icon, asked of its accessor so that a picture a
// window shows too is read only once. The platform takes it when the framework starts
// (RunFrameworkInitialization).
struct DesktopIdentity {
  std::string desktopEntryId;
  PictureAccessor icon = nullptr;
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

  const DesktopIdentity& Identity() const { return identity_; }
  void SetDesktopIdentity(DesktopIdentity identity) { identity_ = std::move(identity); }

  // Must be switched on before the first window or picture exists.
  static void SetSupportsHiDPI(bool on);
  static bool SupportsHiDPI();

 private:
  VersionData version_;
  std::shared_ptr<platform::MenuBar> menuBar_;
  DesktopIdentity identity_;
};

}  // namespace platform
