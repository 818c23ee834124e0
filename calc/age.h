#pragma once

// Age at a date of testing, counted the way standardized tests count it.
//
// Data flow of CalculateAge:
//   six field texts --FieldNumber--> signed 64-bit date parts, converted one at a time
//   --> range checks in field order (birth year, month, day, then test month, day; the test
//       year is never checked); the first failure ends the call and later texts are not read
//   --> borrows: a day borrow takes 30 days from the test month, then a month borrow takes
//       12 months from the test year
//   --> AgeOutcome: AgeSuccess with the years, months and days as plain decimal text, or
//       AgeFailure with the message and the name of the field that gets the keyboard focus.
// Nothing here touches a window; the Calculate handler shows the outcome.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/field_number.h"

namespace calc {

struct AgeFailure {
  std::string message;
  std::string focusField;  // the input field's name, e.g. "DOByFld"
};

struct AgeSuccess {
  std::string years;
  std::string months;
  std::string days;
};

using AgeOutcome = std::variant<AgeFailure, AgeSuccess>;

// The highest day a day check accepts. Every year divisible by 4 is a leap year, with no
// century rule; the remainder is signed, so 0 and -4 are leap years and -1 is not.
std::int64_t DaysInMonth(std::int64_t month, std::int64_t year);

AgeOutcome CalculateAge(std::string_view birthYear, std::string_view birthMonth,
                        std::string_view birthDay, std::string_view testYear,
                        std::string_view testMonth, std::string_view testDay,
                        std::int64_t currentYear);

}  // namespace calc
