// Input: lines separated by '\n'. The first line is the current year, read as a field number
// (so any bytes give a year, INT64_MIN included); the next six are the texts in CalculateAge's
// order (birth year, month, day, test year, month, day). Missing lines are empty texts and
// lines after the seventh are ignored. Any broken invariant traps.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/age.h"
#include "calc/field_number.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// Digits only, no leading zero unless the text is "0", and within int64; gives the value.
std::int64_t ParsePlainDecimal(std::string_view text) {
  Require(!text.empty() && (text == "0" || text[0] != '0'));
  for (char c : text) Require(c >= '0' && c <= '9');
  std::int64_t value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  Require(ec == std::errc() && ptr == text.data() + text.size());
  return value;
}

// What follows a numbered message: Str's text, so a plain decimal with '-' when negative.
std::int64_t ParseStrNumber(std::string_view text) {
  if (text.empty() || text[0] != '-') return ParsePlainDecimal(text);
  const std::string_view digits = text.substr(1);
  Require(digits != "0");
  if (digits == "9223372036854775808") return INT64_MIN;
  return -ParsePlainDecimal(digits);
}

struct Expected {
  std::string_view focus;
  std::string_view message;  // the whole message, or its prefix when a number follows
  std::int64_t number = 0;
  bool numbered = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::array<std::string_view, 7> lines{};
  for (std::string_view& line : lines) {
    const std::size_t end = input.find('\n');
    line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  const std::int64_t currentYear = calc::FieldNumber(lines[0]);
  const calc::AgeOutcome outcome =
      calc::CalculateAge(lines[1], lines[2], lines[3], lines[4], lines[5], lines[6], currentYear);

  // An independent account of the outcome: the checks in order, then the order of the dates
  // compared year, then month, then day instead of by borrowing.
  const std::int64_t by = calc::FieldNumber(lines[1]), bm = calc::FieldNumber(lines[2]),
                     bd = calc::FieldNumber(lines[3]), ty = calc::FieldNumber(lines[4]),
                     tm = calc::FieldNumber(lines[5]), td = calc::FieldNumber(lines[6]);
  const std::int64_t birthLimit = bm >= 1 && bm <= 12 ? calc::DaysInMonth(bm, by) : 0;
  const std::int64_t testLimit = tm >= 1 && tm <= 12 ? calc::DaysInMonth(tm, ty) : 0;
  const bool testBeforeBirth = ty != by ? ty < by : tm != bm ? tm < bm : td < bd;
  Expected expected;
  if (by < 1900 || by > currentYear) {
    expected = {"DOByFld", "DOB year must range from 1900 to ", currentYear, true};
  } else if (bm < 1 || bm > 12) {
    expected = {"DOBmFld", "DOB month must range from 1 to 12"};
  } else if (bd < 1 || bd > birthLimit) {
    expected = {"DOBdFld", "DOB day must range from 1 to ", birthLimit, true};
  } else if (tm < 1 || tm > 12) {
    expected = {"DOTmFld", "Test month must range from 1 to 12"};
  } else if (td < 1 || td > testLimit) {
    expected = {"DOTdFld", "Test day must range from 1 to ", testLimit, true};
  } else if (testBeforeBirth) {
    expected = {"DOTyFld", "Date of Test must be later than Date of Birth"};
  }

  if (const auto* failure = std::get_if<calc::AgeFailure>(&outcome)) {
    const std::string_view message = failure->message;
    Require(!expected.focus.empty() && failure->focusField == expected.focus);
    if (!expected.numbered) {
      Require(message == expected.message);
    } else {
      Require(message.substr(0, expected.message.size()) == expected.message);
      Require(ParseStrNumber(message.substr(expected.message.size())) == expected.number);
    }
    return 0;
  }

  Require(expected.focus.empty());
  const auto& age = std::get<calc::AgeSuccess>(outcome);
  const std::int64_t years = ParsePlainDecimal(age.years);
  const std::int64_t months = ParsePlainDecimal(age.months);
  const std::int64_t days = ParsePlainDecimal(age.days);
  Require(months <= 11 && days <= 30);
  // With 30-day months and 360-day years the age adds up to the distance between the dates.
  using Wide = __int128;
  const Wide distance = (Wide{ty} - by) * 360 + (Wide{tm} - bm) * 30 + (Wide{td} - bd);
  Require(Wide{years} * 360 + months * 30 + days == distance);
  return 0;
}
