// Both windows with no picture files beside the program: the canvases stay empty and
// everything else works; and picture files that are there but do not decode. Built apart
// from the other tests, in a folder without resources, where each test stages its own.

#include <gtest/gtest.h>

#include <QScopeGuard>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/values.h"
#include "platform/window_builder.h"
#include "tests/ui/gui_support.h"
#include "tests/ui/row_name.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"
#include "ui/pictures.h"
#include "ui/wording.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;

TEST(WithoutPictures, BothWindowsWorkWithEmptyCanvases) {
  ASSERT_FALSE(std::filesystem::exists(platform::ResourcesFolder())) << "this test needs a folder without pictures";
  FixedDay day(2024, 3, 5);

  auto& about = AboutWnd::AboutWnd();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.titlesplash().Backdrop(), nullptr);
  EXPECT_EQ(about.Canvas1().Backdrop(), nullptr);
  EXPECT_EQ(about.Label1().Value(), ui::kAboutNotice);

  QTest::keyClick(about.Widget(), Qt::Key_Space);
  EXPECT_FALSE(about.Visible());
  auto& calc = ControlWnd::ControlWnd();
  EXPECT_TRUE(calc.Visible());
  for (platform::Canvas* canvas : {&calc.Title(), &calc.Canvas1(), &calc.Canvas2(), &calc.Canvas3(), &calc.Canvas4(),
                                   &calc.Canvas5(), &calc.Canvas6()})
    EXPECT_EQ(canvas->Backdrop(), nullptr) << canvas->Name();

  EXPECT_EQ(calc.DOTyFld().Text(), "2024");
  Retype(calc.DOByFld(), "2000");
  Retype(calc.DOBmFld(), "5");
  Retype(calc.DOBdFld(), "20");
  QTest::mouseClick(calc.CalcBtn().Widget(), Qt::LeftButton);
  EXPECT_EQ(calc.AgeYFld().Text(), "23");
  EXPECT_EQ(calc.AgeMfld().Text(), "9");
  EXPECT_EQ(calc.AgeDFld().Text(), "15");
}

// A failed load is not remembered. Runs after the windows, which must find no picture.
TEST(WithoutPictures, APictureThatAppearsLaterLoadsOnTheNextCall) {
  namespace fs = std::filesystem;
  const fs::path folder = platform::ResourcesFolder();
  ASSERT_FALSE(fs::exists(folder));
  EXPECT_EQ(x_DOB::DOB(), nullptr);

  fs::create_directories(folder);
  const auto removeFolder = qScopeGuard([&] { fs::remove_all(folder); });
  fs::copy_file(fs::path(TAVREL_PICTURE_DIR) / "DOB.png", folder / "DOB.png");
  const auto picture = x_DOB::DOB();
  ASSERT_NE(picture, nullptr);

  fs::remove(folder / "DOB.png");
  EXPECT_EQ(x_DOB::DOB(), picture) << "a loaded picture is kept, not read again";
}

// A file that is there but does not decode gives no picture, as a missing one does, and the
// failure is not remembered: once a good file takes its place, the next call loads it.
struct UndecodableRow {
  const char* name;
  platform::PictureAccessor accessor;
  const char* file;
  std::string (*content)();  // what stands in the folder under the file's name
};

std::string ReadPicture(const char* file) {
  std::ifstream in(std::filesystem::path(TAVREL_PICTURE_DIR) / file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class UndecodablePicture : public testing::TestWithParam<UndecodableRow> {};

TEST_P(UndecodablePicture, GivesNothingAndIsReadAgainOnTheNextCall) {
  namespace fs = std::filesystem;
  const UndecodableRow& row = GetParam();
  const fs::path folder = platform::ResourcesFolder();
  ASSERT_FALSE(fs::exists(folder));
  fs::create_directories(folder);
  const auto removeFolder = qScopeGuard([&] { fs::remove_all(folder); });
  std::ofstream(folder / row.file, std::ios::binary) << row.content();

  EXPECT_EQ(platform::Picture::OpenFromApp(row.file), nullptr);
  EXPECT_EQ(row.accessor(), nullptr);

  fs::copy_file(fs::path(TAVREL_PICTURE_DIR) / row.file, folder / row.file, fs::copy_options::overwrite_existing);
  const auto picture = row.accessor();
  ASSERT_NE(picture, nullptr) << "the failed read was remembered";
  EXPECT_GT(picture->Width(), 0);
}

const UndecodableRow kUndecodable[] = {
    {"png_cut_in_its_image_data", &x_Year::Year, "Year.png",
     [] {
       const std::string png = ReadPicture("Year.png");
       return png.substr(0, png.size() / 2);
     }},
    {"png_cut_after_its_signature", &x_Month::Month, "Month.png", [] { return ReadPicture("Month.png").substr(0, 8); }},
    {"text_under_a_png_name", &x_Age::Age, "Age.png", [] { return std::string("Age.png\n"); }},
    {"text_read_by_its_content", &x_Icon64::Icon64, "Icon64", [] { return std::string("not a picture\n"); }},
    {"empty_file", &x_day::day, "day.png", [] { return std::string(); }},
};
INSTANTIATE_TEST_SUITE_P(Files, UndecodablePicture, testing::ValuesIn(kUndecodable), RowName());

}  // namespace
}  // namespace ui_test
