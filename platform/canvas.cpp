#include "platform/controls.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dispatch.h"

namespace platform {

namespace {
using Kind = PropertyValue::Kind;
constexpr std::string_view kEvents[] = {"MouseEnter", "MouseExit"};
}  // namespace

const ClassRecord& Canvas::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "Canvas", .base = &RectControl::Lookup(), .make = MakerOf<Canvas>()});
  return record;
}

QWidget* Canvas::CreateWidget(QWidget* parent) { return new detail::CanvasWidget(weak_from_this(), parent); }

const std::shared_ptr<Picture>& Canvas::Backdrop() const { return detail::ReadOnMainThread(backdrop_); }

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  detail::RequireMainThread();
  backdrop_ = std::move(picture);
  Widget()->update();
}

std::span<const std::string_view> Canvas::Events() const { return kEvents; }

const PropertyTable& Canvas::Properties() const {
  static const PropertyTable table = MergeTables(RectControl::Properties(), {
                                                                                {"AllowFocusRing", {Kind::Boolean, nullptr}},
                                                                                {"AllowFocus", {Kind::Boolean, detail::ApplyFocusPolicy}},
                                                                                {"AllowTabs", {Kind::Boolean, nullptr}},
                                                                                {"DoubleBuffer", {Kind::Boolean, nullptr}},
                                                                            });
  return table;
}

}  // namespace platform
