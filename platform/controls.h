#pragma once
// Controls: the objects a window holds under their names. RectControl and its four kinds wrap a
// Qt widget placed on the window's content area; Timer is a control without a widget.
// A control raises its events to delegates attached by name (RuntimeAddEventHandler); an
// event the class does not raise cannot be attached.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/object.h"
#include "platform/property.h"

class QWidget;

namespace platform {

class Picture;
class Window;
class Control;

using Delegate = std::function<void(Control&)>;

class Control : public PropertyHolder {
 public:
  static const ClassRecord& Lookup();
  ~Control() override;
  // The control's default construction, after the window allocated it.
  virtual void Constructor() {}
  Window* Parent() const { return window_; }
  const std::string& Name() const { return name_; }

  void AddEventHandler(std::string_view event, Delegate delegate);
  // Runs the delegates attached to the event, in the order they were attached.
  void RaiseControlEvent(std::string_view event);

 protected:
  virtual std::span<const std::string_view> Events() const = 0;

 private:
  friend class Window;
  Window* window_ = nullptr;
  std::string name_;
  std::vector<std::pair<std::string, Delegate>> delegates_;
};

class RectControl : public Control {
 public:
  static const ClassRecord& Lookup();
  RectControl();
  ~RectControl() override;
  // Makes the control's widget on the window's content area.
  void Constructor() override;

  void SetFocus();
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  // The name a screen reader announces: what the control means to the user, where its own text
  // (a picture's words, a button's "?") does not say it.
  void SetAccessibleName(const std::string& name);
  QWidget* Widget() const;

 protected:
  virtual QWidget* CreateWidget(QWidget* parent) = 0;
  const PropertyTable& Properties() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class TextField : public RectControl {
 public:
  static const ClassRecord& Lookup();
  std::string Text() const;
  // Text the program writes is shown whole: the length and mask bound typing and pasting only.
  void SetText(const std::string& text);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  const PropertyTable& Properties() const override;
  std::span<const std::string_view> Events() const override;
};

class PushButton : public RectControl {
 public:
  static const ClassRecord& Lookup();
  std::string Caption() const;
  void Push();  // as a click does: raises Action

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  const PropertyTable& Properties() const override;
  std::span<const std::string_view> Events() const override;
};

class Label : public RectControl {
 public:
  static const ClassRecord& Lookup();
  std::string Value() const;

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  const PropertyTable& Properties() const override;
  std::span<const std::string_view> Events() const override;
};

class Canvas : public RectControl {
 public:
  static const ClassRecord& Lookup();
  const std::shared_ptr<Picture>& Backdrop() const;
  void SetBackdrop(std::shared_ptr<Picture> picture);

 protected:
  QWidget* CreateWidget(QWidget* parent) override;
  const PropertyTable& Properties() const override;
  std::span<const std::string_view> Events() const override;

 private:
  std::shared_ptr<Picture> backdrop_;
};

class Timer : public Control {
 public:
  static const ClassRecord& Lookup();
  Timer();
  ~Timer() override;
  std::int64_t Period() const;
  std::int64_t RunMode() const;  // 0 off, 1 fires once, 2 fires repeatedly
  void SetPeriod(std::int64_t ms);
  void SetRunMode(std::int64_t mode);
  bool Armed() const;

 protected:
  const PropertyTable& Properties() const override;
  std::span<const std::string_view> Events() const override;

 private:
  void Arm();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// What the window tells a control that wants to know where it sits.
class PaneChild {
 public:
  virtual ~PaneChild() = default;
  virtual void SetWindow(platform::Window& window) = 0;
  virtual std::shared_ptr<platform::Window> Window() const = 0;
  virtual std::int64_t Index_() const = 0;
  virtual void SetIndex(std::int64_t index) = 0;
};

// A delegate that runs a window method with the control as its argument. The control is cast
// to the method's parameter class when the event fires.
template <class W, class C>
Delegate RuntimeCreateDelegate(void (W::*method)(C&), W& window) {
  return [method, &window](Control& control) { (window.*method)(RuntimeCheckCast<C>(&control)); };
}
void RuntimeAddEventHandler(Control& control, std::string_view event, Delegate delegate);

}  // namespace platform
