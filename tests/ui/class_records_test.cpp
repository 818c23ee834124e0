// What the runtime knows of the program's three classes: their names and bases, how many
// operations of their own they list and which are hidden, and which events they answer. An
// event a class does not bind gets the platform's default handling.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/object.h"
#include "platform/window.h"
#include "tests/ui/row_name.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using Names = std::vector<std::string>;

struct RecordRow {
  std::string_view name;
  const platform::ClassRecord& (*record)();
  std::string_view className;
  const platform::ClassRecord& (*base)();
  std::size_t operations;
  Names hidden;
  Names bound;
  Names unbound;  // among them the ones a slip would most likely bind
};

const RecordRow kRecords[] = {
    {"calculator_window",
     &ControlWnd::ControlWnd::Lookup,
     "ControlWnd.ControlWnd",
     &platform::Window::Lookup,
     38,
     {"ControlWnd._CreateControls0"},
     {"Activate", "AddMenuHandlers", "Close", "CreateControls", "EnableMenuItems", "KeyDown", "Layout", "MouseDown",
      "MouseExit", "Open"},
     {"CancelClose", "Deactivate", "KeyUp", "MouseUp", "MouseEnter", "Paint", "Resized"}},
    {"about_window",
     &AboutWnd::AboutWnd::Lookup,
     "AboutWnd.AboutWnd",
     &platform::Window::Lookup,
     12,
     {"AboutWnd._CreateControls0"},
     {"AddMenuHandlers", "CreateControls", "KeyDown", "Layout", "MouseDown"},
     {"Open", "Close", "CancelClose", "Activate", "Deactivate", "EnableMenuItems", "MouseExit", "Paint"}},
    {"about_timer",
     &AboutWnd::_wrapper_Timer1::Lookup,
     "AboutWnd._wrapper_Timer1",
     &platform::Timer::Lookup,
     5,
     {"_SetWindow", "_Index", "_SetIndex"},
     {},
     {"Action"}},
};

class ClassRecordTest : public testing::TestWithParam<RecordRow> {};

TEST_P(ClassRecordTest, DescribesTheClassToTheRuntime) {
  const RecordRow& row = GetParam();
  const platform::ClassRecord& record = row.record();
  EXPECT_EQ(record.name, row.className);
  EXPECT_EQ(platform::RuntimeFindClass(row.className), &record) << "kept under its name";
  EXPECT_EQ(record.base, &row.base());
  EXPECT_EQ(record.operations.size(), row.operations);

  Names hidden, bound;
  for (const platform::Operation& op : record.operations)
    if (op.attribute == "Hidden") hidden.push_back(op.name);
  for (const platform::EventBinding& binding : record.events) bound.push_back(binding.event);
  EXPECT_EQ(hidden, row.hidden);
  EXPECT_EQ(bound, row.bound) << "bound in the platform's order, and no others";
  for (const std::string& event : row.unbound) EXPECT_FALSE(record.IsEventImplemented(event)) << event;

  EXPECT_EQ(&platform::RuntimeNewObject(record)->Class(), &record);
}

INSTANTIATE_TEST_SUITE_P(Ui, ClassRecordTest, testing::ValuesIn(kRecords), RowName());

}  // namespace
}  // namespace ui_test
