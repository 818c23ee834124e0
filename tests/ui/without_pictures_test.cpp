// Both windows with no picture files beside the program: the canvases stay empty and
// everything else works. Built apart from the other tests, in a folder without resources.

#include <gtest/gtest.h>

#include <QScopeGuard>
#include <QTest>
#include <filesystem>

#include "platform/values.h"
#include "tests/ui/gui_support.h"
#include "ui/about_wnd.h"
#include "ui/control_wnd.h"
#include "ui/pictures.h"
#include "ui/wording.h"

namespace ui_test {
namespace {

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

}  // namespace
}  // namespace ui_test
