#include "platform/values/str.h"

#include <charconv>
#include <stdexcept>

namespace platform {

std::string Str(std::int64_t value, std::string_view format) {
  if (!format.empty()) {
    throw std::invalid_argument("Str: format \"" + std::string(format) + "\" is not supported");
  }
  char digits[24];  // "-9223372036854775808" is 20 characters
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, end);
}

}  // namespace platform
