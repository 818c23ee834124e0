// What the user can put into the fields: digits only, four in a year and two in a month or
// day, nothing in a result field; a paste that does not fit is refused whole.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <string_view>

#include "tests/ui/calculator_fixture.h"
#include "tests/ui/row_name.h"

namespace ui_test {
namespace {

using ui_test::PrintTo;
using W = class ControlWnd::ControlWnd;
using FieldAccessor = platform::TextField& (W::*)() const;

struct TypingRow {
  std::string_view name;
  FieldAccessor field;
  std::string_view typed;
  std::string_view shown;
};

const TypingRow kTyping[] = {
    {"year_takes_four_digits", &W::DOByFld, "19845", "1984"},
    {"test_year_takes_four_digits", &W::DOTyFld, "20245", "2024"},
    {"month_takes_two_digits", &W::DOBmFld, "123", "12"},
    {"day_takes_two_digits", &W::DOTdFld, "315", "31"},
    {"letters_and_signs_are_refused", &W::DOBdFld, "-a1.b2", "12"},
    {"a_leading_zero_is_kept", &W::DOTmFld, "07", "07"},
    {"result_years_are_read_only", &W::AgeYFld, "12", ""},
    {"result_months_are_read_only", &W::AgeMfld, "1", ""},
    {"result_days_are_read_only", &W::AgeDFld, "1", ""},
};

using TypingTest = CalculatorTableTest<TypingRow>;

TEST_P(TypingTest, ShowsWhatTheFieldAccepts) {
  platform::TextField& field = (calc_.*GetParam().field)();
  Retype(field, GetParam().typed);
  EXPECT_EQ(field.Text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Calculator, TypingTest, testing::ValuesIn(kTyping), RowName());

struct PasteRow {
  std::string_view name;
  FieldAccessor field;
  std::string_view before;
  std::string_view clipboard;
  std::string_view after;
};

const PasteRow kPastes[] = {
    {"year_that_fits", &W::DOByFld, "", "1984", "1984"},
    {"five_digits_into_a_year", &W::DOByFld, "", "19845", ""},
    {"two_more_digits_after_one", &W::DOBmFld, "1", "23", "1"},
    {"a_digit_that_fits_after_one", &W::DOBmFld, "1", "2", "12"},
    {"digits_with_a_letter", &W::DOTdFld, "", "1a", ""},
    {"into_a_result_field", &W::AgeDFld, "", "12", ""},
};

using PasteTest = CalculatorTableTest<PasteRow>;

TEST_P(PasteTest, IsTakenWholeOrRefusedWhole) {
  QClipboard* clipboard = QApplication::clipboard();
  const QString saved = clipboard->text();
  const auto restore = qScopeGuard([&] { clipboard->setText(saved); });

  platform::TextField& field = (calc_.*GetParam().field)();
  field.SetText(std::string(GetParam().before));
  clipboard->setText(QString::fromUtf8(GetParam().clipboard.data(), qsizetype(GetParam().clipboard.size())));
  Edit(field)->end(false);
  QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field.Text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Calculator, PasteTest, testing::ValuesIn(kPastes), RowName());

}  // namespace
}  // namespace ui_test
