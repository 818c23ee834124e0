#pragma once
// Inside the platform only: the widgets behind the controls that need their own Qt class.

#include <QWidget>
#include <initializer_list>
#include <memory>

#include "platform/property.h"

namespace platform {
class Object;
class RectControl;
}

namespace platform::detail {

// Draws the canvas's backdrop and reports the pointer entering and leaving.
class CanvasWidget : public QWidget {
 public:
  CanvasWidget(std::weak_ptr<Object> canvas, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::weak_ptr<Object> canvas_;
};

// Raises a control's event from Qt, through the one dispatch; nothing if the control is gone.
void DispatchControlEvent(const std::weak_ptr<Object>& control, const char* event);

// The setter of TabStop and AllowFocus. Focus follows the kind of control and both flags: Tab
// reaches only TabStop controls.
void ApplyFocusPolicy(Object& control, const PropertyValue&);

// The font properties of fields, buttons and labels, added to a class's own table.
PropertyTable WithFont(const PropertyTable& base, std::initializer_list<PropertyTable::value_type> own);
// TextAlignment: 0 the default (left), 1 left, 2 centred, 3 right.
Qt::Alignment ToAlignment(std::int64_t alignment, bool multiline);
// Paints the role in every colour group, so a disabled label keeps its colour.
void SetColour(QWidget& widget, QPalette::ColorRole role, Color colour);

}  // namespace platform::detail
