// What the desktop shows of the running program: every window carries the icon of the desktop
// entry installed for it (the task bar and the window switcher show it), here the hicolor picture
// that the build puts beside the program, and the program names that entry, so the desktop
// matches its windows to it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <string>
#include <utility>

#include "platform/object.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "tests/app/startup_support.h"
#include "ui/control_wnd.h"

namespace {

struct Seen {
  bool looked = false;
  std::string aboutIcon, calculatorIcon;
  std::string desktopEntryId;
};
Seen seen;

// "none", or whether the icon is the entry's 64-pixel hicolor picture: "the entry's icon".
std::string DescribeIcon(const QIcon& icon) {
  if (icon.isNull()) return "none";
  // Compared premultiplied, as a pixmap holds it.
  const QImage expected = QImage(TAVREL_ICON_SOURCE_DIR "/64x64/apps/" TAVREL_DESKTOP_ENTRY_ID ".png", "PNG")
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage shown = icon.pixmap(expected.size()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return shown == expected ? "the entry's icon" : "another picture";
}

// Once the About window is up: the calculator window is built as the hand-over builds it, and both
// are looked at before the quit.
void LookAtTheWindows() {
  std::shared_ptr<platform::Window> about = platform::GetImplicitWindow("AboutWnd.AboutWnd");
  auto& calculator = ControlWnd::ControlWnd();
  seen = {.looked = true,
          .aboutIcon = about != nullptr ? DescribeIcon(about->Widget()->windowIcon()) : "no About window",
          .calculatorIcon = DescribeIcon(calculator.Widget()->windowIcon()),
          .desktopEntryId = QGuiApplication::desktopFileName().toStdString()};
  platform::Quit(0);
}

TEST(Startup, EveryWindowCarriesTheApplicationIconAndNamesTheInstalledDesktopEntry) {
  app_test::RegisterWindowRecordReportingOpen([](platform::Object&) {
    static bool posted = false;
    if (!std::exchange(posted, true)) QTimer::singleShot(0, &LookAtTheWindows);
  });
  app_test::UseOffscreenUnlessTold();

  EXPECT_EQ(app::main(), 0);

  ASSERT_TRUE(seen.looked);
  EXPECT_EQ(seen.aboutIcon, "the entry's icon");
  EXPECT_EQ(seen.calculatorIcon, "the entry's icon");
  EXPECT_EQ(seen.desktopEntryId, TAVREL_DESKTOP_ENTRY_ID);
  EXPECT_TRUE(
      QFileInfo::exists(QString::fromStdString(TAVREL_DESKTOP_ENTRY_DIR "/" + seen.desktopEntryId + ".desktop")))
      << "no desktop entry is installed under the id \"" << seen.desktopEntryId << "\"";
}

}  // namespace
