#pragma once

#include "core/text/NumberSyntax.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marklode::csv {

// parseNumber, quicker for the plain decimals most fields hold ("-ddd.dddddd"): up to 15
// digits are an exact integer, and so is every power of ten up to 10^15, so one division rounds
// exactly as strtod does. Anything else goes to parseNumber.
inline std::optional<double> parseDecimal(std::string_view text) {
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    p += negative;
    const auto length = static_cast<std::size_t>(end - p);
    if (length == 0 || length > 16)
        return parseNumber(text);
    std::uint64_t digits = 0;
    const char* point = nullptr;
    for (const char* c = p; c != end; ++c) {
        const auto digit = static_cast<unsigned>(*c - '0');
        if (digit < 10)
            digits = digits * 10 + digit;
        else if (*c == '.' && !point)
            point = c;
        else
            return parseNumber(text);
    }
    const std::size_t digitCount = length - (point != nullptr);
    if (digitCount == 0 || digitCount > 15)
        return parseNumber(text);
    double value = static_cast<double>(digits);
    if (point)
        value /= powersOfTen[end - point - 1];
    return negative ? -value : value;
}

} // namespace marklode::csv
