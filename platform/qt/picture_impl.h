#pragma once
// Inside the platform only: what a Picture holds, and how pictures are read.

#include <QImage>

#include "platform/values.h"

namespace platform {
struct Picture::Impl {
  QImage image;
};

namespace detail {
// The image in the file, or a null image when it cannot be read or decoded.
QImage ReadImage(const QString& path);
}  // namespace detail
}  // namespace platform
