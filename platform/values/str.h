#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Writes an integer as text. With an empty format: plain decimal digits, '-' for a negative
// value, no leading zeros or blanks. The program uses no other format; a non-empty one throws
// std::invalid_argument.
std::string Str(std::int64_t value, std::string_view format = "");

}  // namespace platform
