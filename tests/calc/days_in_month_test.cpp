#include <cstdint>
#include <limits>
#include <string_view>

#include <gtest/gtest.h>

#include "calc/age.h"
#include "tests/calc/table.h"

namespace calc_test {
namespace {

using calc_test::PrintTo;

struct DaysRow {
  std::string_view name;
  std::int64_t month;
  std::int64_t year;
  std::int64_t expected;
};

class DaysInMonthTest : public testing::TestWithParam<DaysRow> {};

TEST_P(DaysInMonthTest, GivesHighestDay) {
  EXPECT_EQ(calc::DaysInMonth(GetParam().month, GetParam().year), GetParam().expected);
}

const DaysRow kMonths[] = {
    {"january", 1, 2001, 31},  {"february", 2, 2001, 28}, {"march", 3, 2001, 31},
    {"april", 4, 2001, 30},    {"may", 5, 2001, 31},      {"june", 6, 2001, 30},
    {"july", 7, 2001, 31},     {"august", 8, 2001, 31},   {"september", 9, 2001, 30},
    {"october", 10, 2001, 31}, {"november", 11, 2001, 30}, {"december", 12, 2001, 31},
};
INSTANTIATE_TEST_SUITE_P(CommonYear, DaysInMonthTest, testing::ValuesIn(kMonths), RowName());

const DaysRow kFebruaries[] = {
    {"divisible_by_4", 2, 2000, 29},
    {"century_1900_is_leap", 2, 1900, 29},
    {"century_2100_is_leap", 2, 2100, 29},
    {"year_0_is_leap", 2, 0, 29},
    {"year_minus_4_is_leap", 2, -4, 29},
    {"year_minus_1_is_common", 2, -1, 28},
    {"year_minus_2_is_common", 2, -2, 28},
    {"lowest_int64_is_leap", 2, std::numeric_limits<std::int64_t>::min(), 29},
    {"leap_year_leaves_march_alone", 3, 2000, 31},
    {"leap_year_leaves_april_alone", 4, 2000, 30},
};
INSTANTIATE_TEST_SUITE_P(LeapRule, DaysInMonthTest, testing::ValuesIn(kFebruaries), RowName());

}  // namespace
}  // namespace calc_test
