#pragma once
// One row per window or control, turned into the descriptions the platform reads. Both
// windows describe themselves with these rows, so each property block is spelt out once per
// class, in the order the platform receives it.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/property.h"
#include "platform/window_builder.h"

namespace ui {

// Like a control's row (below), a window's carries its accessible name beside the property
// block: empty where the title says it.
struct WindowRow {
  std::int64_t width, height;
  std::int64_t maximumWidth, maximumHeight;
  std::int64_t type;  // 0 document frame, 2 modal-dialog frame
  std::string_view title;
  bool hasCloseButton;
  std::string_view accessibleName;
};

platform::WindowDescription WindowLayout(const WindowRow& row);

// Which edges keep their distance to the window's edges: left and top, or all four.
enum class Locks { LeftTop, All };

// The start of every visible control's block: its name, geometry, locks and tab order.
struct Placement {
  std::string_view name;
  std::int64_t left, top, width, height;
  Locks locks;
  std::int64_t tabIndex;
  bool tabStop;
};

// Input fields take digits only, as many as their date part has; result fields are read-only.
enum class FieldKind { Year, MonthOrDay, Result };

// Each row also carries what a screen reader says for the control (its accessible name): the
// row and column a field stands in, what a button does, the words a picture shows. It is no
// property of the block.

struct TextFieldRow {
  Placement at;
  FieldKind kind;
  std::string_view accessibleName;
};

struct PushButtonRow {
  Placement at;
  std::string_view caption;
  double fontSize;
  bool bold;
  std::string_view accessibleName;
};

// A label is read out by its text.
struct LabelRow {
  Placement at;
  std::string_view value;
  bool visible;
  bool enabled;
  bool multiline;
  std::int64_t textAlignment;  // 0 the platform's default (left), 2 centred
  platform::Color textColor;
};

struct CanvasRow {
  Placement at;
  platform::PictureAccessor picture;
  std::string_view accessibleName;
};

platform::ControlDescription TextFieldControl(const TextFieldRow& row);
platform::ControlDescription PushButtonControl(const PushButtonRow& row,
                                               std::vector<platform::EventWiring> events = {});
platform::ControlDescription LabelControl(const LabelRow& row);
platform::ControlDescription CanvasControl(const CanvasRow& row, std::vector<platform::EventWiring> events = {});

}  // namespace ui
