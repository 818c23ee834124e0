#pragma once

#include <string_view>

namespace platform {

// Reads the decimal number at the start of a text, after any spaces and tabs, as a double: an
// optional sign, digits with an optional point, and an exponent when digits follow the 'e'.
// Whatever follows the number is ignored; a text without a leading number gives 0. The locale
// is never consulted ("12,5" is 12 everywhere), and hex, "inf" and "nan" are not numbers here.
// A number beyond the double range gives an infinity of its sign, one too small gives zero.
double Val(std::string_view text);

}  // namespace platform
