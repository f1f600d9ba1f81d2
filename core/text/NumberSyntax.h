#pragma once

#include <optional>
#include <string_view>

namespace marklode {

// The whole text as a C-locale floating-point literal, exactly as strtod reads it: sign, decimal
// or hexadecimal digits, exponent, "inf", "infinity", "nan" and "nan(...)". Nothing may come
// before or after it, not even whitespace. Independent of the process locale.
std::optional<double> parseNumber(std::string_view text);

} // namespace marklode
