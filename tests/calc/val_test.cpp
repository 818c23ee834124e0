#include "platform/values/val.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/calc/table.h"

namespace calc_test {
namespace {

using calc_test::PrintTo;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValRow {
  std::string_view name;
  std::string_view text;
  double expected;
};

class ValTest : public testing::TestWithParam<ValRow> {};

TEST_P(ValTest, ReadsLeadingDecimalNumber) {
  const ValRow& row = GetParam();
  const double value = platform::Val(row.text);
  EXPECT_EQ(value, row.expected);
  EXPECT_EQ(std::signbit(value), std::signbit(row.expected)) << "sign of " << value;
}

const ValRow kNumbers[] = {
    {"integer", "1985", 1985.0},
    {"fraction", "12.999", 12.999},
    {"point_without_fraction", "5.", 5.0},
    {"point_without_integer_part", ".5", 0.5},
    {"negative_point_without_integer_part", "-.25", -0.25},
    {"plus_sign", "+7", 7.0},
    {"minus_sign", "-3.5", -3.5},
    {"minus_zero_keeps_its_sign", "-0", -0.0},
    {"leading_spaces_and_tabs", " \t 42", 42.0},
    {"exponent", "1.5e3", 1500.0},
    {"upper_case_exponent_with_sign", "25E-1", 2.5},
    {"exponent_with_plus", "2e+2", 200.0},
    {"leading_zeros", "007", 7.0},
};
INSTANTIATE_TEST_SUITE_P(Numbers, ValTest, testing::ValuesIn(kNumbers), RowName());

const ValRow kPartlyNumbers[] = {
    {"trailing_text_ignored", "12abc", 12.0},
    {"comma_is_not_a_decimal_point", "12,5", 12.0},
    {"inner_blank_ends_the_number", "1 2", 1.0},
    {"exponent_without_digits_is_text", "3e", 3.0},
    {"exponent_sign_without_digits_is_text", "3e+", 3.0},
    {"exponent_followed_by_letter_is_text", "3ex5", 3.0},
    {"second_point_ends_the_number", "1.2.3", 1.2},
    {"hex_reads_only_its_zero", "0x1A", 0.0},
};
INSTANTIATE_TEST_SUITE_P(PartlyNumbers, ValTest, testing::ValuesIn(kPartlyNumbers), RowName());

const ValRow kNoNumbers[] = {
    {"empty", "", 0.0},
    {"blanks_only", "  \t", 0.0},
    {"letters", "abc", 0.0},
    {"point_alone", ".", 0.0},
    {"minus_alone", "-", 0.0},
    {"plus_alone", "+", 0.0},
    {"two_signs", "+-5", 0.0},
    {"blank_after_sign", "- 5", 0.0},
    {"exponent_without_mantissa", "e5", 0.0},
    {"point_then_exponent", ".e5", 0.0},
    {"newline_is_not_a_blank", "\n5", 0.0},
    {"inf_is_not_a_number", "inf", 0.0},
    {"negative_infinity_text", "-Infinity", 0.0},
    {"nan_is_not_a_number", "nan", 0.0},
};
INSTANTIATE_TEST_SUITE_P(NoNumbers, ValTest, testing::ValuesIn(kNoNumbers), RowName());

const std::string kFourHundredDigits = "1" + std::string(399, '0');
const std::string kTinyFraction = "0." + std::string(400, '0') + "1";

const ValRow kOutOfRange[] = {
    {"overflow_gives_infinity", "1e400", kInf},
    {"negative_overflow_gives_negative_infinity", "-1e400", -kInf},
    {"long_digit_run_overflows", kFourHundredDigits, kInf},
    {"huge_exponent_overflows", "1e99999999999999999999", kInf},
    {"largest_double_still_reads", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"underflow_gives_zero", "1e-400", 0.0},
    {"negative_underflow_gives_negative_zero", "-1e-400", -0.0},
    {"long_zero_run_underflows", kTinyFraction, 0.0},
    {"only_one_exponent_is_read", "1e400e-500", kInf},
    {"small_mantissa_with_large_exponent_reads", "0.0001e310", 1e306},
};
INSTANTIATE_TEST_SUITE_P(OutOfRange, ValTest, testing::ValuesIn(kOutOfRange), RowName());

// Millions of digits whose exponent brings the value back into range, or pushes it out by far
// more than the digits' own count: the exponent is read in full against the mantissa's order.
const std::string kTwoMillionDigits = "1" + std::string(2'000'000, '0');
const std::string kMillionZerosThenOne = "0." + std::string(1'000'000, '0') + "1";
const std::string kLongScaledToOne = kTwoMillionDigits + "e-2000000";
const std::string kLongScaledToTenBillion = kTwoMillionDigits + "e-1999990";
const std::string kLongScaledBelowRange = kTwoMillionDigits + "e-10000000";
const std::string kNegativeLongScaledBelowRange = "-" + kLongScaledBelowRange;
const std::string kTinyScaledToOne = kMillionZerosThenOne + "e1000001";
const std::string kTinyScaledAboveRange = kMillionZerosThenOne + "e10000000";

const ValRow kLongMantissas[] = {
    {"two_million_digits_scaled_back_to_one", kLongScaledToOne, 1.0},
    {"two_million_digits_scaled_to_a_finite_number", kLongScaledToTenBillion, 1e10},
    {"two_million_digits_scaled_below_range_give_zero", kLongScaledBelowRange, 0.0},
    {"negative_two_million_digits_scaled_below_range_give_negative_zero", kNegativeLongScaledBelowRange, -0.0},
    {"million_leading_zeros_scaled_back_to_one", kTinyScaledToOne, 1.0},
    {"million_leading_zeros_scaled_above_range_give_infinity", kTinyScaledAboveRange, kInf},
};
INSTANTIATE_TEST_SUITE_P(LongMantissas, ValTest, testing::ValuesIn(kLongMantissas), RowName());

}  // namespace
}  // namespace calc_test
