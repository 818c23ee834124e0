#include "platform/qt/desktop_identity.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "platform/qt/picture_impl.h"
#include "platform/qt/qt_values.h"

namespace platform::detail {

void ApplyDesktopIdentity(const DesktopIdentity& identity) {
  // Without a GUI application there are no windows, and a pixmap may not even be made.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
  if (!identity.desktopEntryId.empty()) QGuiApplication::setDesktopFileName(ToQString(identity.desktopEntryId));
  if (identity.icon == nullptr) return;
  if (std::shared_ptr<Picture> icon = identity.icon())
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon->impl().image)));
}

}  // namespace platform::detail
