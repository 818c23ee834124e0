#include "platform/values/val.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Decimal order of magnitude of the leading significant digit of a number that from_chars
// found out of range: positive means it overflowed, negative that it underflowed. Only the
// sign matters. The mantissa's own order is at most its length either way, so an exponent
// read saturating just beyond that length still decides the sign as the exact one would,
// however many digits either has.
std::int64_t DecimalOrder(std::string_view mantissa, std::string_view exponent) {
  const std::int64_t saturation = static_cast<std::int64_t>(mantissa.size()) + 1;
  std::int64_t order = 0;
  const std::size_t point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const std::size_t lead = whole.find_first_not_of('0');
  if (lead != std::string_view::npos) {
    order = static_cast<std::int64_t>(whole.size() - lead) - 1;
  } else if (point != std::string_view::npos) {
    const std::string_view fraction = mantissa.substr(point + 1);
    order = -static_cast<std::int64_t>(fraction.find_first_not_of('0')) - 1;
  }
  std::int64_t exp = 0;
  bool expNegative = false;
  for (char c : exponent) {
    if (c == '-') expNegative = true;
    if (IsDigit(c) && exp <= saturation) exp = exp * 10 + (c - '0');
  }
  return order + (expNegative ? -exp : exp);
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t mantissaStart = i;
  i = SkipDigits(text, i);
  bool anyDigit = i > mantissaStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = i + 1;
    i = SkipDigits(text, fractionStart);
    anyDigit = anyDigit || i > fractionStart;
  }
  if (!anyDigit) return 0.0;
  const std::size_t mantissaEnd = i;

  // "3e" and "3e+" are the number 3 followed by other text.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expDigitsEnd = SkipDigits(text, j);
    if (expDigitsEnd > j) i = expDigitsEnd;
  }

  // from_chars takes no '+', so the sign is applied here; the span is known to be a number,
  // which keeps from_chars from reading "inf", "nan" or hex on its own.
  const std::string_view number = text.substr(mantissaStart, i - mantissaStart);
  double magnitude = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
    const std::string_view exponent = text.substr(mantissaEnd, i - mantissaEnd);
    magnitude = DecimalOrder(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace platform
