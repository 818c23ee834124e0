#include "calc/age.h"

#include <string>
#include <utility>

#include "platform/values/str.h"

namespace calc {
namespace {

// Tests count a borrowed month as 30 days whatever its real length.
constexpr std::int64_t kDaysPerBorrowedMonth = 30;
constexpr std::int64_t kMonthsPerYear = 12;
constexpr std::int64_t kFirstBirthYear = 1900;

AgeFailure Fail(std::string message, const char* focusField) {
  return AgeFailure{std::move(message), focusField};
}

AgeFailure TestBeforeBirth() {
  return Fail("Date of Test must be later than Date of Birth", "DOTyFld");
}

}  // namespace

std::int64_t DaysInMonth(std::int64_t month, std::int64_t year) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return year % 4 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

AgeOutcome CalculateAge(std::string_view birthYear, std::string_view birthMonth,
                        std::string_view birthDay, std::string_view testYear,
                        std::string_view testMonth, std::string_view testDay,
                        std::int64_t currentYear) {
  const std::int64_t by = FieldNumber(birthYear);
  if (by < kFirstBirthYear || by > currentYear) {
    return Fail("DOB year must range from 1900 to " + platform::Str(currentYear), "DOByFld");
  }
  const std::int64_t bm = FieldNumber(birthMonth);
  if (bm < 1 || bm > kMonthsPerYear) return Fail("DOB month must range from 1 to 12", "DOBmFld");
  const std::int64_t birthLimit = DaysInMonth(bm, by);
  const std::int64_t bd = FieldNumber(birthDay);
  if (bd < 1 || bd > birthLimit) {
    return Fail("DOB day must range from 1 to " + platform::Str(birthLimit), "DOBdFld");
  }

  std::int64_t ty = FieldNumber(testYear);  // any year passes, even 0 or a negative one
  std::int64_t tm = FieldNumber(testMonth);
  if (tm < 1 || tm > kMonthsPerYear) return Fail("Test month must range from 1 to 12", "DOTmFld");
  const std::int64_t testLimit = DaysInMonth(tm, ty);
  std::int64_t td = FieldNumber(testDay);
  if (td < 1 || td > testLimit) {
    return Fail("Test day must range from 1 to " + platform::Str(testLimit), "DOTdFld");
  }

  // Months and days stay within a few dozen here; only the test year can be extreme.
  if (td < bd) {
    td += kDaysPerBorrowedMonth;
    --tm;  // may become 0; the month borrow below takes it back into range
  }
  const std::int64_t days = td - bd;
  if (tm < bm) {
    tm += kMonthsPerYear;
    // A test year that cannot give up a year lies far before any birth year, which is 1900
    // or later, so the test date is before the birth date.
    if (__builtin_sub_overflow(ty, 1, &ty)) return TestBeforeBirth();
  }
  const std::int64_t months = tm - bm;
  // The birth year is positive, so the difference can only leave the range downwards, and
  // then the true difference is negative.
  std::int64_t years = 0;
  if (__builtin_sub_overflow(ty, by, &years) || years < 0) return TestBeforeBirth();

  return AgeSuccess{platform::Str(years), platform::Str(months), platform::Str(days)};
}

}  // namespace calc
