#include "ui/layout_rows.h"

#include <limits>
#include <string>
#include <utility>

#include "platform/controls.h"

namespace ui {
namespace {

using platform::Color;
using platform::PropertyBlock;

constexpr Color kWhite{0x00FFFFFF};
// Marks a control that belongs to no control array: each one is found by its name alone.
constexpr std::int64_t kNoIndex = std::numeric_limits<std::int32_t>::min();

PropertyBlock PlacementBlock(const Placement& at) {
  const bool all = at.locks == Locks::All;
  return {
      {"Name", std::string(at.name)},
      {"Index", kNoIndex},
      {"Left", at.left},
      {"Top", at.top},
      {"Width", at.width},
      {"Height", at.height},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", all},
      {"LockBottom", all},
      {"TabIndex", at.tabIndex},
      {"TabPanelIndex", 0},
      {"TabStop", at.tabStop},
      {"AllowAutoDeactivate", true},
  };
}

PropertyBlock Joined(PropertyBlock head, const PropertyBlock& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

}  // namespace

platform::WindowDescription WindowLayout(const WindowRow& row) {
  PropertyBlock block = {
      {"Width", row.width},
      {"Height", row.height},
      {"MinimumWidth", 64},
      {"MinimumHeight", 64},
      {"MaximumWidth", row.maximumWidth},
      {"MaximumHeight", row.maximumHeight},
      {"Type", row.type},
      {"Title", std::string(row.title)},
      {"HasCloseButton", row.hasCloseButton},
      {"HasMaximizeButton", false},
      {"HasMinimizeButton", false},
      {"HasFullScreenButton", false},
      {"Resizeable", false},
      {"Composite", false},
      {"MacProcID", 0},
      {"FullScreen", false},
      {"DefaultLocation", 0},
      {"Visible", true},
      {"HasBackgroundColor", true},
      {"BackgroundColor", kWhite},
      {"MenuBarVisible", true},
      {"LiveResize", false},
  };
  return {.properties = std::move(block), .accessibleName = std::string(row.accessibleName)};
}

platform::ControlDescription TextFieldControl(const TextFieldRow& row) {
  const bool result = row.kind == FieldKind::Result;
  const bool year = row.kind == FieldKind::Year;
  PropertyBlock own = {
      {"BackgroundColor", kWhite},
      {"HasBorder", true},
      {"Enabled", true},
      {"Format", ""},
      {"Tooltip", ""},
      {"Password", false},
      {"TextColor", result ? Color{0x00000000} : Color{0x00803F02}},
      {"Transparent", true},
      {"AllowFocusRing", !result},
      {"Visible", true},
      {"FontName", "System"},
      {"FontSize", 14.0},
      {"FontUnit", 0},
      {"Bold", true},
      {"Italic", false},
      {"Underline", false},
      {"Hint", ""},
      {"Value", ""},
      {"AllowTabs", false},
      {"TextAlignment", 2},
      {"AllowSpellChecking", false},
      {"MaximumCharactersAllowed", year ? 4 : 2},
      {"ValidationMask", result ? ""
                         : year ? "####"
                                : "##"},
      {"ReadOnly", result},
      {"DataSource", ""},
      {"DataField", ""},
      {"InitialParent", ""},
  };
  return {.name = std::string(row.at.name),
          .cls = &platform::TextField::Lookup,
          .properties = Joined(PlacementBlock(row.at), own),
          .accessibleName = std::string(row.accessibleName)};
}

platform::ControlDescription PushButtonControl(const PushButtonRow& row, std::vector<platform::EventWiring> events) {
  PropertyBlock own = {
      {"MacButtonStyle", 0},      {"Cancel", false},    {"Caption", std::string(row.caption)},
      {"Default", true},          {"Enabled", true},    {"Tooltip", ""},
      {"Transparent", true},      {"Visible", true},    {"FontName", "System"},
      {"FontSize", row.fontSize}, {"FontUnit", 0},      {"Bold", row.bold},
      {"Italic", false},          {"Underline", false}, {"InitialParent", ""},
  };
  return {.name = std::string(row.at.name),
          .cls = &platform::PushButton::Lookup,
          .properties = Joined(PlacementBlock(row.at), own),
          .events = std::move(events),
          .accessibleName = std::string(row.accessibleName)};
}

platform::ControlDescription LabelControl(const LabelRow& row) {
  PropertyBlock own = {
      {"Enabled", row.enabled},
      {"Tooltip", ""},
      {"Multiline", row.multiline},
      {"Selectable", false},
      {"TextAlignment", row.textAlignment},
      {"TextColor", row.textColor},
      {"Transparent", false},
      {"Value", std::string(row.value)},
      {"Visible", row.visible},
      {"Bold", false},
      {"Italic", false},
      {"FontName", "System"},
      {"Underline", false},
      {"FontSize", 10.0},
      {"FontUnit", 0},
      {"DataSource", ""},
      {"DataField", ""},
      {"InitialParent", ""},
  };
  return {std::string(row.at.name), &platform::Label::Lookup, nullptr, Joined(PlacementBlock(row.at), own), {}};
}

platform::ControlDescription CanvasControl(const CanvasRow& row, std::vector<platform::EventWiring> events) {
  PropertyBlock own = {
      {"Enabled", true},     {"Tooltip", ""},         {"AllowFocusRing", true},
      {"Visible", true},     {"AllowFocus", false},   {"AllowTabs", false},
      {"Transparent", true}, {"DoubleBuffer", false}, {"InitialParent", ""},
  };
  return {.name = std::string(row.at.name),
          .cls = &platform::Canvas::Lookup,
          .picture = row.picture,
          .properties = Joined(PlacementBlock(row.at), own),
          .events = std::move(events),
          .accessibleName = std::string(row.accessibleName)};
}

}  // namespace ui
