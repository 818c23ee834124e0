// The value helpers: the modal message box (seen through the watchdog), pictures from the
// resources folder, file-type registration and the clock that Date reads.

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <vector>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;
using testing::ElementsAre;

class MessageBox : public gui_test::WatchedTest {};

TEST_F(MessageBox, ShowsItsTextModallyAndReturnsOnceDismissed) {
  platform::MsgBox("Date of Test must be later than Date of Birth");
  platform::MsgBox("second");
  EXPECT_THAT(watchdog.Take(), ElementsAre(testing::Field(&gui_test::ModalWatchdog::Box::text,
                                                          "Date of Test must be later than Date of Birth"),
                                           testing::Field(&gui_test::ModalWatchdog::Box::text, "second")));
  EXPECT_TRUE(watchdog.NoBox());
}

TEST_F(MessageBox, BelongsToTheActiveWindowWhoseFocusTheWatchdogRecords) {
  ScopedWindow<TestWnd> w(ShownLayout(), {Field("BirthFld"), Field("TestFld", {{"Top", 40}})});
  w.Open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
  w->Get<platform::TextField>("TestFld").SetFocus();
  gui_test::ModalWatchdog focusWatchdog([&](QWidget* focused) -> std::string {
    for (const char* name : {"BirthFld", "TestFld"})
      if (w->Get<platform::TextField>(name).Widget() == focused) return name;
    return focused == nullptr ? "none" : "elsewhere";
  });
  platform::MsgBox("Month of Birth must be between 1 and 12");
  EXPECT_THAT(focusWatchdog.Take(), ElementsAre(testing::Field(&gui_test::ModalWatchdog::Box::focus, "TestFld")));
}

TEST_F(MessageBox, AStrayBoxFailsTheTestThatOpenedIt) {
  EXPECT_NONFATAL_FAILURE(
      {
        gui_test::ModalWatchdog local;
        platform::MsgBox("nobody expects this");
      },
      "nobody expects this");
}

struct PictureRow {
  const char* name;
  const char* file;
  bool loads;
};

class PictureFromApp : public gui_test::WatchedTableTest<PictureRow> {};

TEST_P(PictureFromApp, LoadsWhenPresentWithTheFilesSize) {
  std::shared_ptr<platform::Picture> picture = platform::Picture::OpenFromApp(GetParam().file);
  ASSERT_EQ(picture != nullptr, GetParam().loads);
  if (!GetParam().loads) return;
  // Read independently from the source tree, which the build copies beside the executable.
  const QImage source(QStringLiteral(TAVREL_PICTURE_SOURCE_DIR "/") + GetParam().file);
  ASSERT_FALSE(source.isNull());
  EXPECT_EQ(picture->Width(), source.width());
  EXPECT_EQ(picture->Height(), source.height());
}

INSTANTIATE_TEST_SUITE_P(Resources, PictureFromApp,
                         testing::Values(PictureRow{"png_by_its_name", "Quillet.png", true},
                                         PictureRow{"lower_case_name", "day.png", true},
                                         PictureRow{"no_extension_read_by_content", "Icon64", true},
                                         PictureRow{"missing_file_is_nil", "NoSuchPicture.png", false},
                                         PictureRow{"empty_name_is_nil", "", false}),
                         RowName());

// Where the pictures are looked for, from the executable's path, in a staged tree: the build
// tree's bin/resources/ and an installed tree's share/<program>/, put in any folder.
struct ResourcesFolderRow {
  const char* name;
  std::vector<const char*> folders;  // made under a fresh temporary root
  const char* executable;
  const char* expected;
};

class ResourcesFolderOf : public testing::TestWithParam<ResourcesFolderRow> {};

TEST_P(ResourcesFolderOf, FindsTheBuildTreesOrTheInstalledFolder) {
  namespace fs = std::filesystem;
  const QTemporaryDir temporary;
  ASSERT_TRUE(temporary.isValid());
  const fs::path root = temporary.path().toStdString();
  for (const char* folder : GetParam().folders) fs::create_directories(root / folder);
  EXPECT_EQ(platform::ResourcesFolderOf(root / GetParam().executable), root / GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ResourcesFolderOf,
    testing::Values(
        ResourcesFolderRow{"build_tree", {"build/bin/resources"}, "build/bin/tavrel", "build/bin/resources"},
        ResourcesFolderRow{"installed", {"usr/bin", "usr/share/tavrel"}, "usr/bin/tavrel", "usr/share/tavrel"},
        ResourcesFolderRow{"resources_beside_come_first",
                           {"usr/bin/resources", "usr/share/tavrel"},
                           "usr/bin/tavrel",
                           "usr/bin/resources"},
        ResourcesFolderRow{"another_programs_share_folder_is_not_taken",
                           {"usr/bin", "usr/share/other"},
                           "usr/bin/tavrel",
                           "usr/bin/resources"},
        ResourcesFolderRow{"neither_gives_the_folder_beside", {"usr/bin"}, "usr/bin/tavrel", "usr/bin/resources"}),
    RowName());

class FileTypes : public gui_test::WatchedTest {};

TEST_F(FileTypes, RegisterOnceWhenConvertedAndWithdrawWhenChanged) {
  auto text = New<platform::FileType>();
  text->SetName("text");
  text->SetMacType("TEXT");
  const std::size_t before = platform::RegisteredFileTypes().size();

  EXPECT_EQ(static_cast<std::string>(*text), "text");
  EXPECT_EQ(platform::RegisteredFileTypes().size(), before + 1);
  EXPECT_EQ(platform::RegisteredFileTypes().back().macType, "TEXT");
  EXPECT_EQ(static_cast<std::string>(*text), "text");
  EXPECT_EQ(platform::RegisteredFileTypes().size(), before + 1) << "registered once";

  text->SetMacCreator("R*ch");
  EXPECT_FALSE(text->Registered());
  EXPECT_EQ(platform::RegisteredFileTypes().size(), before);
  (void)static_cast<std::string>(*text);
  EXPECT_EQ(platform::RegisteredFileTypes().back().macCreator, "R*ch") << "registered again with the new value";

  auto unnamed = New<platform::FileType>();
  EXPECT_EQ(static_cast<std::string>(*unnamed), "");
  EXPECT_EQ(platform::RegisteredFileTypes().size(), before + 2) << "an empty type registers too";
}

TEST_F(FileTypes, ChangingOneTypeNeverWithdrawsAnothersRegistration) {
  {
    auto gone = New<platform::FileType>();
    gone->SetName("gone");
    (void)static_cast<std::string>(*gone);
  }  // destroyed while registered; the next types are likely to reuse its memory
  const std::size_t before = platform::RegisteredFileTypes().size();
  for (int i = 0; i < 4; ++i) {
    auto passing = New<platform::FileType>();
    passing->SetName("passing");
    (void)static_cast<std::string>(*passing);
    passing->SetName("changed");  // withdraws its own registration, and only that
  }
  EXPECT_EQ(platform::RegisteredFileTypes().size(), before);
}

class Today : public gui_test::WatchedTest {};

TEST_F(Today, DateReadsTheClockTheTestSets) {
  auto restore = qScopeGuard([] { platform::SetTodayFunction(nullptr); });
  platform::SetTodayFunction([] { return platform::CivilDate{2024, 2, 29}; });
  const platform::Date fixed;
  EXPECT_EQ(fixed.Year(), 2024);
  EXPECT_EQ(fixed.Month(), 2);
  EXPECT_EQ(fixed.Day(), 29);

  platform::SetTodayFunction(nullptr);  // back to the local clock
  const platform::Date now;
  const QDate today = QDate::currentDate();
  EXPECT_EQ(now.Year(), today.year());
}

}  // namespace
}  // namespace platform_test
