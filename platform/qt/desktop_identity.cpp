#include "platform/qt/desktop_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>

#include "platform/qt/picture_impl.h"

namespace platform::detail {

namespace {
// The id the build gives the desktop entry, its icon and its metainfo alike.
constexpr char kDesktopEntryId[] = PLATFORM_DESKTOP_ENTRY_ID;

// The entry's pictures in the hicolor theme as installed with the program, under share/ beside
// its bin/ folder (the build tree mirrors this), so an unpacked package finds its own. Read
// directly: asking the icon theme costs several milliseconds of start-up for the same picture.
QIcon InstalledIcon() {
  const QDir hicolor(QCoreApplication::applicationDirPath() + "/../share/icons/hicolor");
  const QString picture = QStringLiteral("/apps/%1.png").arg(kDesktopEntryId);
  QIcon icon;
  for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QImage image = ReadImage(hicolor.filePath(size + picture));
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}
}  // namespace

void ApplyDesktopIdentity() {
  // Without a GUI application there are no windows, and no icon may be made.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
  QGuiApplication::setDesktopFileName(kDesktopEntryId);
  QApplication::setWindowIcon(InstalledIcon());
}

}  // namespace platform::detail
