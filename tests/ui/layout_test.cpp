// Where the user finds things in the calculator window, as relations between the real widgets:
// each field in the row of its row picture and under its column's header, rows and columns in
// reading order, and the three buttons along the bottom, each doing what its caption says.
// Rows and columns are found by the picture a canvas shows, compared with the file itself, so
// two rows or two pictures that trade places fail here.

#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;
using FieldAccessor = platform::TextField& (W::*)() const;

// The window's canvas that shows the picture file; a failure names the file when none does.
testing::AssertionResult FindCanvasShowing(const W& w, std::string_view file, QRect& where) {
  const QImage image = PictureFile(file);
  std::vector<const platform::Canvas*> showing;
  for (const platform::Canvas* canvas :
       {&w.Title(), &w.Canvas1(), &w.Canvas2(), &w.Canvas3(), &w.Canvas4(), &w.Canvas5(), &w.Canvas6()})
    if (canvas->Backdrop() != nullptr && SamePixels(*canvas->Backdrop(), image)) showing.push_back(canvas);
  if (showing.size() != 1)
    return testing::AssertionFailure() << showing.size() << " canvases show " << file << ", not one";
  where = showing.front()->Widget()->geometry();
  return testing::AssertionSuccess();
}

struct FieldRow {
  std::string_view name;
  FieldAccessor field;
  std::string_view rowPicture, columnPicture;
};

const FieldRow kFields[] = {
    {"test_year", &W::DOTyFld, "DOT.png", "Year.png"},    {"test_month", &W::DOTmFld, "DOT.png", "Month.png"},
    {"test_day", &W::DOTdFld, "DOT.png", "day.png"},      {"birth_year", &W::DOByFld, "DOB.png", "Year.png"},
    {"birth_month", &W::DOBmFld, "DOB.png", "Month.png"}, {"birth_day", &W::DOBdFld, "DOB.png", "day.png"},
    {"age_years", &W::AgeYFld, "Age.png", "Year.png"},    {"age_months", &W::AgeMfld, "Age.png", "Month.png"},
    {"age_days", &W::AgeDFld, "Age.png", "day.png"},
};

using FieldPlaceTest = CalculatorTableTest<FieldRow>;

// Centres within bands, so a one-pixel nudge of the layout passes and a swap does not.
TEST_P(FieldPlaceTest, LiesBesideItsRowPictureAndUnderItsColumnHeader) {
  QRect row, column;
  ASSERT_TRUE(FindCanvasShowing(calc_, GetParam().rowPicture, row));
  ASSERT_TRUE(FindCanvasShowing(calc_, GetParam().columnPicture, column));
  const QRect field = (calc_.*GetParam().field)().Widget()->geometry();

  EXPECT_TRUE(field.center().y() >= row.top() && field.center().y() <= row.bottom())
      << "field spans y " << field.top() << " to " << field.bottom() << ", the " << GetParam().rowPicture << " row y "
      << row.top() << " to " << row.bottom();
  EXPECT_TRUE(field.center().x() >= column.left() && field.center().x() <= column.right())
      << "field spans x " << field.left() << " to " << field.right() << ", the " << GetParam().columnPicture
      << " header x " << column.left() << " to " << column.right();
  EXPECT_LT(column.bottom(), field.center().y()) << "the header stands above the field";
  EXPECT_LT(row.right(), field.center().x()) << "the row picture stands left of the field";
}

INSTANTIATE_TEST_SUITE_P(Calculator, FieldPlaceTest, testing::ValuesIn(kFields), RowName());

TEST_F(CalculatorWindowTest, RowsReadTestDateBirthDateAgeDownAndColumnsYearMonthDayAcross) {
  QRect test, birth, age, year, month, day;
  ASSERT_TRUE(FindCanvasShowing(calc_, "DOT.png", test));
  ASSERT_TRUE(FindCanvasShowing(calc_, "DOB.png", birth));
  ASSERT_TRUE(FindCanvasShowing(calc_, "Age.png", age));
  ASSERT_TRUE(FindCanvasShowing(calc_, "Year.png", year));
  ASSERT_TRUE(FindCanvasShowing(calc_, "Month.png", month));
  ASSERT_TRUE(FindCanvasShowing(calc_, "day.png", day));

  EXPECT_LT(test.center().y(), birth.center().y()) << "the date of testing comes first";
  EXPECT_LT(birth.center().y(), age.center().y());
  EXPECT_LT(year.center().x(), month.center().x());
  EXPECT_LT(month.center().x(), day.center().x());
}

// The push buttons as the user reads them, left to right by their captions.
std::vector<QPushButton*> ButtonsLeftToRight(const W& w) {
  std::vector<QPushButton*> buttons;
  for (QPushButton* button : w.Widget()->findChildren<QPushButton*>())
    if (button->isVisible()) buttons.push_back(button);
  std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
  return buttons;
}

TEST_F(CalculatorWindowTest, ThreeButtonsSitOnTheBottomRowAsCalculateHelpClear) {
  const std::vector<QPushButton*> buttons = ButtonsLeftToRight(calc_);
  std::vector<std::string> captions;
  for (QPushButton* button : buttons) captions.push_back(button->text().toStdString());
  EXPECT_EQ(captions, (std::vector<std::string>{"Calculate", "?", "Clear"}));

  int lowestField = 0;
  for (QLineEdit* field : calc_.Widget()->findChildren<QLineEdit*>())
    lowestField = std::max(lowestField, field->geometry().bottom());
  for (QPushButton* button : buttons) {
    EXPECT_GT(button->geometry().top(), lowestField) << button->text().toStdString() << " is not below the fields";
    for (QPushButton* other : buttons)
      EXPECT_TRUE(button->geometry().center().y() >= other->geometry().top() &&
                  button->geometry().center().y() <= other->geometry().bottom())
          << button->text().toStdString() << " and " << other->text().toStdString() << " are not on one row";
  }
}

struct CaptionRow {
  std::string_view name;
  std::string_view caption;
  void (*check)(W&);
};

const CaptionRow kCaptions[] = {
    {"calculate_shows_the_age", "Calculate",
     [](W& w) {
       EXPECT_EQ(w.AgeYFld().Text(), "24");
       EXPECT_EQ(w.DOByFld().Text(), "2000");
     }},
    {"help_shows_the_paragraph", "?",
     [](W& w) {
       EXPECT_TRUE(w.Purpose().Visible());
       EXPECT_EQ(w.AgeYFld().Text(), "");
     }},
    {"clear_empties_the_fields", "Clear",
     [](W& w) {
       EXPECT_EQ(w.DOByFld().Text(), "");
       EXPECT_EQ(w.AgeYFld().Text(), "");
     }},
};

using CaptionTest = CalculatorTableTest<CaptionRow>;

TEST_P(CaptionTest, ClickingTheButtonDoesWhatItsCaptionSays) {
  const std::pair<FieldAccessor, const char*> typed[] = {{&W::DOTyFld, "2024"}, {&W::DOTmFld, "3"}, {&W::DOTdFld, "5"},
                                                         {&W::DOByFld, "2000"}, {&W::DOBmFld, "1"}, {&W::DOBdFld, "1"}};
  for (const auto& [field, text] : typed) Retype((calc_.*field)(), text);
  QPushButton* clicked = nullptr;
  for (QPushButton* button : ButtonsLeftToRight(calc_))
    if (button->text().toStdString() == GetParam().caption) clicked = button;
  ASSERT_NE(clicked, nullptr) << "no button captioned " << GetParam().caption;

  QTest::mouseClick(clicked, Qt::LeftButton);
  GetParam().check(calc_);
}

INSTANTIATE_TEST_SUITE_P(Calculator, CaptionTest, testing::ValuesIn(kCaptions), RowName());

}  // namespace
}  // namespace ui_test
