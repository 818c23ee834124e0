#include "calc/field_number.h"

#include <cmath>
#include <limits>

#include "platform/values/val.h"

namespace calc {

std::int64_t TruncateToInt64(double value) {
  // Casting a double outside the int64 range is undefined, so the range is tested first;
  // the negated form also sends a NaN to INT64_MIN. 2^63 is exact as a double.
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!(std::fabs(value) < kTwoTo63)) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

std::int64_t FieldNumber(std::string_view text) { return TruncateToInt64(platform::Val(text)); }

}  // namespace calc
