#include "calc/field_number.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/calc/table.h"

namespace calc_test {
namespace {

using calc_test::PrintTo;

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kTwoTo63 = 9223372036854775808.0;
// Doubles are 1024 apart just below 2^63, so this is the largest one that fits an int64.
const double kBelowTwoTo63 = std::nextafter(kTwoTo63, 0.0);

struct TruncateRow {
  std::string_view name;
  double value;
  std::int64_t expected;
};

class TruncateTest : public testing::TestWithParam<TruncateRow> {};

TEST_P(TruncateTest, TruncatesTowardZero) {
  EXPECT_EQ(calc::TruncateToInt64(GetParam().value), GetParam().expected);
}

const TruncateRow kDoubles[] = {
    {"fraction_dropped", 12.9, 12},
    {"below_one_gives_zero", 0.9, 0},
    {"year_fraction_does_not_round_up", 1899.9, 1899},
    {"small_negative_gives_zero", -0.7, 0},
    {"negative_truncates_up", -3.5, -3},
    {"largest_below_two_to_63", kBelowTwoTo63, 9223372036854774784},
    {"smallest_above_minus_two_to_63", -kBelowTwoTo63, -9223372036854774784},
    {"nan_gives_int64_min", std::numeric_limits<double>::quiet_NaN(), kMin},
    {"negative_nan_gives_int64_min", -std::numeric_limits<double>::quiet_NaN(), kMin},
    {"infinity_gives_int64_min", std::numeric_limits<double>::infinity(), kMin},
    {"negative_infinity_gives_int64_min", -std::numeric_limits<double>::infinity(), kMin},
    {"two_to_63_gives_int64_min", kTwoTo63, kMin},
    {"minus_two_to_63_gives_int64_min", -kTwoTo63, kMin},
    {"beyond_two_to_63_gives_int64_min", 1e19, kMin},
};
INSTANTIATE_TEST_SUITE_P(Doubles, TruncateTest, testing::ValuesIn(kDoubles), RowName());

struct FieldRow {
  std::string_view name;
  std::string_view text;
  std::int64_t expected;
};

class FieldNumberTest : public testing::TestWithParam<FieldRow> {};

TEST_P(FieldNumberTest, ConvertsThenTruncates) {
  EXPECT_EQ(calc::FieldNumber(GetParam().text), GetParam().expected);
}

const FieldRow kTexts[] = {
    {"year_with_fraction", "1985.9", 1985},
    {"empty_gives_zero", "", 0},
    {"exponent_within_range", "9.2e18", 9200000000000000000},
    {"overflowing_text_gives_int64_min", "1e300", kMin},
    {"infinite_text_gives_int64_min", "1e400", kMin},
    {"beyond_lowest_int64_gives_int64_min", "-9.3e18", kMin},
};
INSTANTIATE_TEST_SUITE_P(Texts, FieldNumberTest, testing::ValuesIn(kTexts), RowName());

}  // namespace
}  // namespace calc_test
