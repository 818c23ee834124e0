#include "calc/age.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

#include <gtest/gtest.h>

#include "tests/calc/table.h"

namespace calc_test {
namespace {

using calc_test::PrintTo;

constexpr std::int64_t kCurrentYear = 2024;

struct DateTexts {
  std::string_view year;
  std::string_view month;
  std::string_view day;
};

struct AgeRow {
  std::string_view name;
  DateTexts birth;
  DateTexts test;
  calc::AgeOutcome expected;
  std::int64_t currentYear = kCurrentYear;
};

calc::AgeOutcome Age(std::string years, std::string months, std::string days) {
  return calc::AgeSuccess{std::move(years), std::move(months), std::move(days)};
}

calc::AgeOutcome Fails(std::string focusField, std::string message) {
  return calc::AgeFailure{std::move(message), std::move(focusField)};
}

// One line per outcome, with the message quoted so a missing or extra blank shows.
std::string Describe(const calc::AgeOutcome& outcome) {
  if (const auto* failure = std::get_if<calc::AgeFailure>(&outcome)) {
    return "fails, focus " + failure->focusField + ": \"" + failure->message + "\"";
  }
  const auto& age = std::get<calc::AgeSuccess>(outcome);
  return "age \"" + age.years + "\" y \"" + age.months + "\" m \"" + age.days + "\" d";
}

class CalculateAgeTest : public testing::TestWithParam<AgeRow> {};

TEST_P(CalculateAgeTest, GivesOutcome) {
  const AgeRow& row = GetParam();
  const calc::AgeOutcome outcome =
      calc::CalculateAge(row.birth.year, row.birth.month, row.birth.day, row.test.year,
                         row.test.month, row.test.day, row.currentYear);
  EXPECT_EQ(Describe(outcome), Describe(row.expected));
}

const std::string kTestBeforeBirth = "Date of Test must be later than Date of Birth";

const AgeRow kSuccesses[] = {
    {"borrows_a_month_and_a_year", {"2000", "5", "20"}, {"2020", "3", "10"}, Age("19", "9", "20")},
    {"borrowed_month_is_30_days_after_a_short_february",
     {"2000", "1", "31"}, {"2000", "3", "1"}, Age("0", "1", "0")},
    {"born_29_february_tested_28_february_next_year",
     {"2000", "2", "29"}, {"2001", "2", "28"}, Age("0", "11", "29")},
    {"born_29_february_tested_1_march_next_year",
     {"2004", "2", "29"}, {"2005", "3", "1"}, Age("1", "0", "2")},
    {"thirty_days_only_from_the_1st_to_the_31st",
     {"2000", "1", "1"}, {"2000", "1", "31"}, Age("0", "0", "30")},
    {"borrow_keeps_days_below_30", {"2000", "3", "31"}, {"2000", "4", "30"}, Age("0", "0", "29")},
    {"from_a_31st_to_the_next_1st", {"2000", "1", "31"}, {"2000", "2", "1"}, Age("0", "0", "0")},
    {"over_new_year", {"2000", "12", "31"}, {"2001", "1", "1"}, Age("0", "0", "0")},
    {"from_28_february_to_1_march", {"2000", "2", "28"}, {"2000", "3", "1"}, Age("0", "0", "3")},
    {"day_borrow_takes_test_month_to_zero",
     {"2000", "1", "15"}, {"2001", "1", "10"}, Age("0", "11", "25")},
    {"equal_dates", {"2010", "6", "15"}, {"2010", "6", "15"}, Age("0", "0", "0")},
    {"born_29_february_1900_without_century_rule",
     {"1900", "2", "29"}, {"2000", "1", "1"}, Age("99", "10", "2")},
    {"tested_29_february_2100_without_century_rule",
     {"2000", "1", "1"}, {"2100", "2", "29"}, Age("100", "1", "28")},
    {"test_year_has_no_upper_bound", {"1900", "1", "1"}, {"2100", "12", "31"}, Age("200", "11", "30")},
    {"born_in_the_current_year_later_than_today",
     {"2024", "12", "31"}, {"2025", "1", "1"}, Age("0", "0", "0")},
    {"fractions_truncate_so_12_9_is_december",
     {"2000", "12.9", "1"}, {"2001", "1", "1"}, Age("0", "1", "0")},
    {"blanks_signs_and_exponents_in_texts",
     {" 2e3", "+5", "20.7"}, {"\t2020", "3.", "1e1"}, Age("19", "9", "20")},
};
INSTANTIATE_TEST_SUITE_P(Success, CalculateAgeTest, testing::ValuesIn(kSuccesses), RowName());

const AgeRow kFailures[] = {
    {"birth_year_1899", {"1899", "1", "1"}, {"2020", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to 2024")},
    {"birth_year_1900_passes_the_check", {"1900", "1", "1"}, {"1899", "1", "1"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"birth_year_equal_to_current_year_passes_the_check", {"2024", "1", "1"}, {"2023", "1", "1"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"birth_year_after_current_year", {"2025", "1", "1"}, {"2030", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to 2024")},
    {"birth_year_message_names_the_current_year", {"1990", "1", "1"}, {"2030", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to 1989"), 1989},
    {"negative_current_year_in_the_message", {"1990", "1", "1"}, {"2030", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to -9223372036854775808"),
     std::numeric_limits<std::int64_t>::min()},
    {"birth_year_1899_9_truncates_to_1899", {"1899.9", "1", "1"}, {"2020", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to 2024")},
    {"empty_birth_year", {"", "1", "1"}, {"2020", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to 2024")},
    {"birth_month_0", {"2000", "0", "1"}, {"2020", "1", "1"},
     Fails("DOBmFld", "DOB month must range from 1 to 12")},
    {"birth_month_0_9_truncates_to_0", {"2000", "0.9", "1"}, {"2020", "1", "1"},
     Fails("DOBmFld", "DOB month must range from 1 to 12")},
    {"birth_month_13", {"2000", "13", "1"}, {"2020", "1", "1"},
     Fails("DOBmFld", "DOB month must range from 1 to 12")},
    {"birth_day_0_names_the_month_limit", {"2000", "1", "0"}, {"2020", "1", "1"},
     Fails("DOBdFld", "DOB day must range from 1 to 31")},
    {"birth_day_32_january", {"2000", "1", "32"}, {"2020", "1", "1"},
     Fails("DOBdFld", "DOB day must range from 1 to 31")},
    {"born_29_february_of_a_common_year", {"2001", "2", "29"}, {"2020", "1", "1"},
     Fails("DOBdFld", "DOB day must range from 1 to 28")},
    {"born_31_april", {"2000", "4", "31"}, {"2020", "1", "1"},
     Fails("DOBdFld", "DOB day must range from 1 to 30")},
    {"test_month_0", {"2000", "1", "1"}, {"2020", "0", "1"},
     Fails("DOTmFld", "Test month must range from 1 to 12")},
    {"test_month_13", {"2000", "1", "1"}, {"2020", "13", "1"},
     Fails("DOTmFld", "Test month must range from 1 to 12")},
    {"test_day_0_names_the_month_limit", {"2000", "1", "1"}, {"2020", "1", "0"},
     Fails("DOTdFld", "Test day must range from 1 to 31")},
    {"tested_29_february_of_a_common_year", {"2000", "1", "1"}, {"2001", "2", "29"},
     Fails("DOTdFld", "Test day must range from 1 to 28")},
    {"tested_31_june", {"2000", "1", "1"}, {"2020", "6", "31"},
     Fails("DOTdFld", "Test day must range from 1 to 30")},
    {"test_year_minus_1_is_a_common_year", {"2000", "1", "1"}, {"-1", "2", "29"},
     Fails("DOTdFld", "Test day must range from 1 to 28")},
    {"test_year_minus_4_is_a_leap_year", {"2000", "1", "1"}, {"-4", "2", "29"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"tested_a_day_before_birth", {"2010", "6", "15"}, {"2010", "6", "14"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"tested_the_30th_after_birth_on_the_31st", {"2000", "1", "31"}, {"2000", "1", "30"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"tested_the_day_before_a_1_january_birth", {"2001", "1", "1"}, {"2000", "12", "31"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"test_year_0", {"2000", "1", "1"}, {"0", "1", "1"}, Fails("DOTyFld", kTestBeforeBirth)},
};
INSTANTIATE_TEST_SUITE_P(Failure, CalculateAgeTest, testing::ValuesIn(kFailures), RowName());

// Each row would also fail a later check; only the first failure is reported.
const AgeRow kCheckOrder[] = {
    {"bad_birth_year_before_everything_else", {"1800", "13", "40"}, {"", "0", "0"},
     Fails("DOByFld", "DOB year must range from 1900 to 2024")},
    {"huge_birth_year_fails_its_own_check", {"1e300", "1", "1"}, {"2020", "1", "1"},
     Fails("DOByFld", "DOB year must range from 1900 to 2024")},
    {"overflowing_birth_month_before_bad_birth_day", {"2000", "1e999", "99"}, {"2020", "1", "1"},
     Fails("DOBmFld", "DOB month must range from 1 to 12")},
    {"bad_birth_day_before_bad_test_month", {"2000", "1", "32"}, {"2020", "13", "1"},
     Fails("DOBdFld", "DOB day must range from 1 to 31")},
    {"bad_test_month_before_bad_test_day", {"2000", "1", "1"}, {"2020", "13", "40"},
     Fails("DOTmFld", "Test month must range from 1 to 12")},
    {"bad_test_day_before_test_date_order", {"2000", "1", "1"}, {"1990", "1", "32"},
     Fails("DOTdFld", "Test day must range from 1 to 31")},
    {"overflowing_test_month_fails_its_own_check", {"2000", "1", "1"}, {"2020", "-1e400", "1"},
     Fails("DOTmFld", "Test month must range from 1 to 12")},
    {"birth_day_limit_follows_the_birth_month", {"2000", "4", "31"}, {"2020", "1", "31"},
     Fails("DOBdFld", "DOB day must range from 1 to 30")},
};
INSTANTIATE_TEST_SUITE_P(CheckOrder, CalculateAgeTest, testing::ValuesIn(kCheckOrder), RowName());

// A test year that converts to INT64_MIN (every overflowing text does) or close to it would
// take the borrow and the year difference out of the int64 range. Such a test date lies before
// every birth date; the sanitizer build checks that no step overflows on the way.
const AgeRow kExtremeTestYears[] = {
    {"overflowing_text_without_borrow", {"2000", "5", "20"}, {"1e300", "6", "25"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"overflowing_text_with_year_borrow", {"2000", "5", "20"}, {"1e30", "3", "10"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"overflowing_negative_text", {"2000", "5", "20"}, {"-1e19", "6", "25"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"just_beyond_lowest_int64", {"1900", "1", "1"}, {"-9.3e18", "1", "1"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"int64_min_plus_1024_overflows_the_difference", {"2000", "5", "20"},
     {"-9223372036854774784", "6", "25"}, Fails("DOTyFld", kTestBeforeBirth)},
    {"int64_min_plus_1024_with_year_borrow", {"2000", "5", "20"},
     {"-9223372036854774784", "3", "10"}, Fails("DOTyFld", kTestBeforeBirth)},
    {"far_negative_year_within_range", {"2000", "5", "20"}, {"-9.2e18", "6", "25"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"overflowing_test_year_counts_as_leap", {"2000", "5", "20"}, {"1e30", "2", "29"},
     Fails("DOTyFld", kTestBeforeBirth)},
    {"huge_year_within_range", {"2000", "5", "20"}, {"9e18", "6", "25"},
     Age("8999999999999998000", "1", "5")},
    {"largest_year_a_double_gives_with_year_borrow", {"2000", "5", "20"},
     {"9223372036854774784", "3", "10"}, Age("9223372036854772783", "9", "20")},
};
INSTANTIATE_TEST_SUITE_P(ExtremeTestYear, CalculateAgeTest, testing::ValuesIn(kExtremeTestYears),
                         RowName());

}  // namespace
}  // namespace calc_test
