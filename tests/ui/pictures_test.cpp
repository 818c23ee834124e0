// The nine pictures: read once by their exact file names and kept, each the image of its own
// file, and each shown by its canvas on either window.

#include "ui/pictures.h"

#include <QImage>
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
  std::string_view file;
  platform::PictureAccessor accessor;
  platform::Canvas& (*canvas)(const W&);
};

const PictureRow kPictures[] = {
    {"Quillet", "Quillet.png", &x_Quillet::Quillet, [](const W& w) -> platform::Canvas& { return w.Title(); }},
    {"Quillet2", "Quillet2.png", &x_Quillet2::Quillet2,
     [](const W&) -> platform::Canvas& { return AboutWnd::AboutWnd().titlesplash(); }},
    {"DOT", "DOT.png", &x_DOT::DOT, [](const W& w) -> platform::Canvas& { return w.Canvas1(); }},
    {"DOB", "DOB.png", &x_DOB::DOB, [](const W& w) -> platform::Canvas& { return w.Canvas2(); }},
    {"Age", "Age.png", &x_Age::Age, [](const W& w) -> platform::Canvas& { return w.Canvas3(); }},
    {"Year", "Year.png", &x_Year::Year, [](const W& w) -> platform::Canvas& { return w.Canvas4(); }},
    {"Month", "Month.png", &x_Month::Month, [](const W& w) -> platform::Canvas& { return w.Canvas5(); }},
    // Lower case, as the file is named.
    {"day", "day.png", &x_day::day, [](const W& w) -> platform::Canvas& { return w.Canvas6(); }},
    // No extension: the file is read by its content.
    {"Icon64", "Icon64", &x_Icon64::Icon64,
     [](const W&) -> platform::Canvas& { return AboutWnd::AboutWnd().Canvas1(); }},
};

using PictureTest = CalculatorTableTest<PictureRow>;

TEST_P(PictureTest, LoadsOnceAndIsTheBackdropOfItsCanvas) {
  const std::shared_ptr<platform::Picture> first = GetParam().accessor();
  ASSERT_NE(first, nullptr);
  EXPECT_GT(first->Width(), 0);
  EXPECT_EQ(GetParam().accessor(), first) << "read again instead of kept";
  EXPECT_EQ(GetParam().canvas(calc_).Backdrop(), first);
}

// Compared with the file read directly, so a picture given the wrong file fails, whichever
// accessor or canvas row it trades places in.
TEST_P(PictureTest, IsTheImageOfItsOwnFileOnItsCanvas) {
  const QImage file = PictureFile(GetParam().file);
  ASSERT_FALSE(file.isNull()) << "cannot read " << GetParam().file;
  const std::shared_ptr<platform::Picture> given = GetParam().accessor();
  ASSERT_NE(given, nullptr);
  EXPECT_TRUE(SamePixels(*given, file)) << "the accessor does not give " << GetParam().file;
  const std::shared_ptr<platform::Picture> shown = GetParam().canvas(calc_).Backdrop();
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(SamePixels(*shown, file)) << GetParam().canvas(calc_).Name() << " does not show " << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(Calculator, PictureTest, testing::ValuesIn(kPictures), RowName());

}  // namespace
}  // namespace ui_test
