#include "platform/values/str.h"

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/calc/table.h"

namespace calc_test {
namespace {

using calc_test::PrintTo;

struct StrRow {
  std::string_view name;
  std::int64_t value;
  std::string_view expected;
};

class StrTest : public testing::TestWithParam<StrRow> {};

TEST_P(StrTest, WritesPlainDecimal) {
  EXPECT_EQ(platform::Str(GetParam().value), GetParam().expected);
}

const StrRow kValues[] = {
    {"zero", 0, "0"},
    {"single_digit_has_no_leading_zero", 3, "3"},
    {"year", 2024, "2024"},
    {"negative", -5, "-5"},
    {"largest", std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
    {"smallest", std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
};
INSTANTIATE_TEST_SUITE_P(Values, StrTest, testing::ValuesIn(kValues), RowName());

TEST(StrFormat, NonEmptyFormatIsRefused) {
  EXPECT_THROW(platform::Str(3, "00"), std::invalid_argument);
}

}  // namespace
}  // namespace calc_test
