// A text field's bounds: the length limit and the digit mask bound what the user types or pastes,
// an edit that breaks them is refused whole, and text the program writes is kept whole.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScopeGuard>
#include <QTest>

#include "tests/platform/test_window.h"
#include "tests/support/modal_watchdog.h"

namespace platform_test {
namespace {

using platform_test::PrintTo;

enum class Edit { ProgramWrites, UserTypes, UserPastes };

struct FieldRow {
  const char* name;
  platform::PropertyBlock bounds;
  const char* before;  // written by the program first
  Edit edit;
  const char* input;
  const char* after;
};

class FieldBounds : public gui_test::WatchedTableTest<FieldRow> {};

TEST_P(FieldBounds, GiveTheExpectedText) {
  const FieldRow& row = GetParam();
  QClipboard* clipboard = QApplication::clipboard();
  const QString saved = clipboard->text();
  auto restore = qScopeGuard([&] { clipboard->setText(saved); });

  ScopedWindow<TestWnd> w(ShownLayout(), {Field("YearFld", row.bounds)});
  auto& field = w.Open().Get<platform::TextField>("YearFld");
  field.SetText(row.before);
  field.SetFocus();
  switch (row.edit) {
    case Edit::ProgramWrites: field.SetText(row.input); break;
    case Edit::UserTypes: QTest::keyClicks(field.Widget(), row.input); break;
    case Edit::UserPastes:
      clipboard->setText(row.input);
      QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
      break;
  }
  EXPECT_EQ(field.Text(), row.after);
}

const platform::PropertyBlock kYear = {{"MaximumCharactersAllowed", 4}, {"ValidationMask", "####"}};
const platform::PropertyBlock kAge = {{"MaximumCharactersAllowed", 2}};

INSTANTIATE_TEST_SUITE_P(
    Table, FieldBounds,
    testing::Values(
        FieldRow{"program_text_longer_than_the_limit_is_kept_whole", kAge, "", Edit::ProgramWrites, "100", "100"},
        FieldRow{"program_text_outside_the_mask_is_kept_whole", kYear, "", Edit::ProgramWrites, "19x95", "19x95"},
        FieldRow{"typing_stops_at_the_mask_length", {{"ValidationMask", "####"}}, "", Edit::UserTypes, "12345", "1234"},
        FieldRow{"typing_stops_at_the_limit", kAge, "", Edit::UserTypes, "abc", "ab"},
        FieldRow{"the_shorter_of_limit_and_mask_wins",
                 {{"ValidationMask", "####"}, {"MaximumCharactersAllowed", 2}},
                 "",
                 Edit::UserTypes,
                 "123",
                 "12"},
        FieldRow{"letters_and_signs_refused_by_digit_places", kYear, "", Edit::UserTypes, "1a-9.x9", "199"},
        FieldRow{"typing_into_program_text_past_the_limit_is_refused", kAge, "100", Edit::UserTypes, "5", "100"},
        FieldRow{"a_field_without_bounds_takes_anything", {}, "", Edit::UserTypes, "a1 -", "a1 -"},
        FieldRow{"a_paste_that_fits_is_taken", kYear, "19", Edit::UserPastes, "95", "1995"},
        FieldRow{"a_paste_too_long_is_refused_whole", kYear, "19", Edit::UserPastes, "955", "19"},
        FieldRow{"a_paste_with_a_letter_is_refused_whole", kYear, "19", Edit::UserPastes, "9x", "19"}),
    RowName());

}  // namespace
}  // namespace platform_test
