#include "platform/qt/control_widgets.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/controls.h"
#include "platform/qt/picture_impl.h"
#include "platform/qt/qt_values.h"
#include "platform/values.h"

namespace platform::detail {

namespace {
// Screen readers announce a canvas as a graphic, by its accessible name. The canvas widget has no
// meta-object of its own, so Qt asks with QWidget's class name.
QAccessibleInterface* CanvasAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String("QWidget")) return nullptr;
  auto* canvas = dynamic_cast<CanvasWidget*>(object);
  return canvas != nullptr ? new QAccessibleWidget(canvas, QAccessible::Graphic) : nullptr;
}
}  // namespace

CanvasWidget::CanvasWidget(std::weak_ptr<Object> canvas, QWidget* parent) : QWidget(parent), canvas_(std::move(canvas)) {
  [[maybe_unused]] static const bool accessibleAsGraphic = (QAccessible::installFactory(&CanvasAccessible), true);
  setFocusPolicy(Qt::NoFocus);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  std::shared_ptr<Object> canvas = canvas_.lock();
  if (canvas == nullptr) return;
  const std::shared_ptr<Picture>& picture = static_cast<Canvas&>(*canvas).Backdrop();
  if (picture == nullptr) return;
  // The picture files are drawn at twice the size of their canvas and scaled down into it here:
  // a 2x screen gets every pixel of the file, an ordinary one a smooth reduction.
  const QImage& image = picture->impl().image;
  QSize size = image.size().scaled(this->size(), Qt::KeepAspectRatio);
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(QPoint(0, 0), size), image);
}

void CanvasWidget::enterEvent(QEnterEvent* event) {
  DispatchControlEvent(canvas_, "MouseEnter");
  QWidget::enterEvent(event);
}

void CanvasWidget::leaveEvent(QEvent* event) {
  DispatchControlEvent(canvas_, "MouseExit");
  QWidget::leaveEvent(event);
}

void ApplyFocusPolicy(Object& object, const PropertyValue&) {
  auto& control = static_cast<RectControl&>(object);
  auto flag = [&](const char* name) {
    const PropertyValue* v = control.Property(name);
    return v == nullptr || v->Boolean();
  };
  bool takesFocus = dynamic_cast<TextField*>(&control) != nullptr || dynamic_cast<PushButton*>(&control) != nullptr ||
                    (dynamic_cast<Canvas*>(&control) != nullptr && flag("AllowFocus"));
  Qt::FocusPolicy policy = !takesFocus ? Qt::NoFocus : flag("TabStop") ? Qt::StrongFocus : Qt::ClickFocus;
  control.Widget()->setFocusPolicy(policy);
}

namespace {
void ApplyFont(Object& o, const PropertyValue&) {
  auto& control = static_cast<RectControl&>(o);
  QFont font = QApplication::font();
  if (const PropertyValue* name = control.Property("FontName"); name != nullptr && name->Text() != "System" && !name->Text().empty())
    font.setFamily(ToQString(name->Text()));
  // A layout measures text in the unit of its positions and sizes, one unit to a pixel, so text
  // keeps the proportions it was laid out with; Qt still scales the whole window on a 2x screen.
  if (const PropertyValue* size = control.Property("FontSize"); size != nullptr && size->Number() > 0)
    font.setPixelSize(std::max(1, int(std::lround(size->Number()))));
  auto flag = [&](const char* name) {
    const PropertyValue* v = control.Property(name);
    return v != nullptr && v->Boolean();
  };
  font.setBold(flag("Bold"));
  font.setItalic(flag("Italic"));
  font.setUnderline(flag("Underline"));
  control.Widget()->setFont(font);
}
}  // namespace

PropertyTable WithFont(const PropertyTable& base, std::initializer_list<PropertyTable::value_type> own) {
  using Kind = PropertyValue::Kind;
  PropertyTable table = MergeTables(base, own);
  table.insert_or_assign("FontName", PropertySetter{Kind::Text, ApplyFont});
  table.insert_or_assign("FontSize", PropertySetter{Kind::Double, ApplyFont});
  table.insert_or_assign("FontUnit", PropertySetter{Kind::Integer, nullptr});
  for (const char* name : {"Bold", "Italic", "Underline"}) table.insert_or_assign(name, PropertySetter{Kind::Boolean, ApplyFont});
  return table;
}

Qt::Alignment ToAlignment(std::int64_t alignment, bool multiline) {
  Qt::Alignment vertical = multiline ? Qt::AlignTop : Qt::AlignVCenter;
  switch (alignment) {
    case 2: return Qt::AlignHCenter | vertical;
    case 3: return Qt::AlignRight | vertical;
    default: return Qt::AlignLeft | vertical;
  }
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Color colour) {
  QPalette palette = widget.palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) palette.setColor(group, role, ToQColor(colour));
  widget.setPalette(palette);
}

}  // namespace platform::detail
