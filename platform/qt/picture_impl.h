#pragma once
// Inside the platform only: what a Picture holds.

#include <QImage>

#include "platform/values.h"

namespace platform {
struct Picture::Impl {
  QImage image;
};
}  // namespace platform
