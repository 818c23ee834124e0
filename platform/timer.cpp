#include <QTimer>

#include "platform/controls.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dispatch.h"

namespace platform {

namespace {
using Kind = PropertyValue::Kind;
constexpr std::string_view kEvents[] = {"Action"};
}  // namespace

struct Timer::Impl {
  std::int64_t period = 1000;
  std::int64_t mode = 0;
  std::unique_ptr<QTimer> timer;
};

const ClassRecord& Timer::Lookup() {
  static const ClassRecord& record =
      RuntimeRegisterClass({.name = "Timer", .base = &Control::Lookup(), .make = MakerOf<Timer>()});
  return record;
}

Timer::Timer() : impl_(std::make_unique<Impl>()) {}
Timer::~Timer() = default;

std::int64_t Timer::Period() const { return detail::ReadOnMainThread(impl_->period); }
std::int64_t Timer::RunMode() const { return detail::ReadOnMainThread(impl_->mode); }
bool Timer::Armed() const {
  detail::RequireMainThread();
  return impl_->timer != nullptr && impl_->timer->isActive();
}

// The setters check the thread before they change anything, so a refused call leaves the timer as it was.
void Timer::SetPeriod(std::int64_t ms) {
  detail::RequireMainThread();
  impl_->period = ms;
  if (impl_->mode != 0) Arm();
}

void Timer::SetRunMode(std::int64_t mode) {
  detail::RequireMainThread();
  if (mode < 0 || mode > 2) throw PropertyException("Timer.RunMode must be 0, 1 or 2");
  impl_->mode = mode;
  Arm();
}

// A timer counts from the moment it is given a run mode; a one-shot timer is off once it fired.
void Timer::Arm() {
  detail::RequireMainThread();
  if (impl_->timer == nullptr) {
    impl_->timer = std::make_unique<QTimer>();
    QObject::connect(impl_->timer.get(), &QTimer::timeout, [this, self = weak_from_this()] {
      if (self.expired()) return;
      if (impl_->mode == 1) impl_->mode = 0;
      detail::DispatchControlEvent(self, "Action");
    });
  }
  if (impl_->mode == 0) {
    impl_->timer->stop();
    return;
  }
  impl_->timer->setSingleShot(impl_->mode == 1);
  impl_->timer->start(int(std::max<std::int64_t>(0, impl_->period)));
}

std::span<const std::string_view> Timer::Events() const { return kEvents; }

const PropertyTable& Timer::Properties() const {
  static const PropertyTable table = {
      {"Period", {Kind::Integer, [](Object& o, const PropertyValue& v) { static_cast<Timer&>(o).SetPeriod(v.Integer()); }}},
      {"RunMode", {Kind::Integer, [](Object& o, const PropertyValue& v) { static_cast<Timer&>(o).SetRunMode(v.Integer()); }}},
  };
  return table;
}

}  // namespace platform
