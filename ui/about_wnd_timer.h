#pragma once
// The About window's timer: a platform Timer that also knows the window it sits on, which the
// platform tells it through PaneChild. It only points at the window, never keeps it alive.

#include <cstdint>
#include <memory>

#include "platform/controls.h"
#include "platform/object.h"
#include "platform/window.h"

namespace AboutWnd {

class _wrapper_Timer1 : public platform::Timer, public platform::PaneChild {
 public:
  // The class record, kept by the runtime under "AboutWnd._wrapper_Timer1".
  static void ctblinit();
  static const platform::ClassRecord& Lookup();

  void SetWindow(platform::Window& window) override;
  std::shared_ptr<platform::Window> Window() const override;  // nullptr when unset or gone
  std::int64_t Index_() const override;
  void SetIndex(std::int64_t index) override;
  void Constructor() override;

  std::int64_t Index = 0;
  std::weak_ptr<platform::Window> ownerWindow;
};

}  // namespace AboutWnd
