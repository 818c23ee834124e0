#pragma once
// Inside the platform only: our values in Qt's terms.

#include <QColor>
#include <QString>
#include <string>

#include "platform/property.h"

namespace platform::detail {

inline QColor ToQColor(Color c) { return QColor::fromRgb((c.value >> 16) & 0xFF, (c.value >> 8) & 0xFF, c.value & 0xFF); }
inline QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
inline std::string ToStdString(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace platform::detail
