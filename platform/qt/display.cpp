#include "platform/qt/display.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QByteArrayList>

namespace platform::detail {

namespace {
// Whether Qt will use X11 and nothing else: QT_QPA_PLATFORM names its platforms in the order
// they are tried (each perhaps with ":arguments"); without it Qt takes X11, but tries Wayland
// first in a Wayland session.
bool QtUsesX11Only() {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (chosen.isEmpty()) return qgetenv("XDG_SESSION_TYPE") != "wayland";
  for (const QByteArray& platform : chosen.split(';'))
    if (platform.split(':').front().trimmed() != "xcb") return false;
  return true;
}
}  // namespace

DisplayCheck::DisplayCheck() {
  if (!QtUsesX11Only()) return;
  const QByteArray display = qgetenv("DISPLAY");
  if (display.isEmpty()) {
    problem_ = "cannot open a display: DISPLAY is not set";
    return;
  }
  // The connection Qt would make, with the same authorisation: a server that is gone, or that
  // refuses us, fails here.
  connection_ = xcb_connect(display.constData(), nullptr);
  if (xcb_connection_has_error(connection_) != 0) problem_ = "cannot open display \"" + display.toStdString() + "\"";
}

DisplayCheck::~DisplayCheck() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
}

}  // namespace platform::detail
