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

std::optional<std::string> DisplayProblem() {
  if (!QtUsesX11Only()) return std::nullopt;
  const QByteArray display = qgetenv("DISPLAY");
  if (display.isEmpty()) return "cannot open a display: DISPLAY is not set";
  // The connection Qt would make, with the same authorisation: a server that is gone, or that
  // refuses us, fails here.
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  const bool opened = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  if (opened) return std::nullopt;
  return "cannot open display \"" + display.toStdString() + "\"";
}

}  // namespace platform::detail
