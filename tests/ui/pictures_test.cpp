// The nine pictures: read once by their exact file names and kept, and each shown by its canvas.

#include "ui/pictures.h"

#include <memory>
#include <string_view>

#include "platform/window_builder.h"
#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;

struct PictureRow {
  std::string_view name;
  platform::PictureAccessor accessor;
  platform::Canvas& (*canvas)(const W&);
};

const PictureRow kPictures[] = {
    {"Quillet", &x_Quillet::Quillet, [](const W& w) -> platform::Canvas& { return w.Title(); }},
    {"Quillet2", &x_Quillet2::Quillet2,
     [](const W&) -> platform::Canvas& { return AboutWnd::AboutWnd().titlesplash(); }},
    {"DOT", &x_DOT::DOT, [](const W& w) -> platform::Canvas& { return w.Canvas1(); }},
    {"DOB", &x_DOB::DOB, [](const W& w) -> platform::Canvas& { return w.Canvas2(); }},
    {"Age", &x_Age::Age, [](const W& w) -> platform::Canvas& { return w.Canvas3(); }},
    {"Year", &x_Year::Year, [](const W& w) -> platform::Canvas& { return w.Canvas4(); }},
    {"Month", &x_Month::Month, [](const W& w) -> platform::Canvas& { return w.Canvas5(); }},
    // Lower case, as the file is named.
    {"day", &x_day::day, [](const W& w) -> platform::Canvas& { return w.Canvas6(); }},
    // No extension: the file is read by its content.
    {"Icon64", &x_Icon64::Icon64, [](const W&) -> platform::Canvas& { return AboutWnd::AboutWnd().Canvas1(); }},
};

using PictureTest = CalculatorTableTest<PictureRow>;

TEST_P(PictureTest, LoadsOnceAndIsTheBackdropOfItsCanvas) {
  const std::shared_ptr<platform::Picture> first = GetParam().accessor();
  ASSERT_NE(first, nullptr);
  EXPECT_GT(first->Width(), 0);
  EXPECT_EQ(GetParam().accessor(), first) << "read again instead of kept";
  EXPECT_EQ(GetParam().canvas(calc_).Backdrop(), first);
}

INSTANTIATE_TEST_SUITE_P(Calculator, PictureTest, testing::ValuesIn(kPictures), RowName());

}  // namespace
}  // namespace ui_test
