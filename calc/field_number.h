#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

// The whole number a field's text stands for: platform::Val, then TruncateToInt64.
std::int64_t FieldNumber(std::string_view text);

// Truncates toward zero (12.9 gives 12, -3.5 gives -3). A NaN and every value of magnitude
// 2^63 or more, infinities included, give INT64_MIN, so the conversion never traps.
std::int64_t TruncateToInt64(double value);

}  // namespace calc
