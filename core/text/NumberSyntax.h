#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marklode {

namespace numbersyntax {

// Plain decimals of at most 15 digits ("-ddd.dddddd"), like most coordinates: digits and power
// of ten are both exact doubles, so one division rounds exactly as strtod does. Absent for
// anything else. Inline, as importers read two of them per POI.
inline std::optional<double> parseShortDecimal(std::string_view text) {
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    p += negative;
    const auto length = static_cast<std::size_t>(end - p);
    if (length == 0 || length > 16)
        return std::nullopt;
    std::uint64_t digits = 0;
    const char* point = nullptr;
    for (const char* c = p; c != end; ++c) {
        const auto digit = static_cast<unsigned>(*c - '0');
        if (digit < 10)
            digits = digits * 10 + digit;
        else if (*c == '.' && !point)
            point = c;
        else
            return std::nullopt;
    }
    const std::size_t digitCount = length - (point != nullptr);
    if (digitCount == 0 || digitCount > 15)
        return std::nullopt;
    double value = static_cast<double>(digits);
    if (point)
        value /= powersOfTen[end - point - 1];
    return negative ? -value : value;
}

// Every other form parseNumber takes.
std::optional<double> parseOtherNumber(std::string_view text);

} // namespace numbersyntax

// The whole text as a C-locale floating-point literal, exactly as strtod reads it: sign, decimal
// or hexadecimal digits, exponent, "inf", "infinity", "nan" and "nan(...)". Nothing may come
// before or after it, not even whitespace. Independent of the process locale.
inline std::optional<double> parseNumber(std::string_view text) {
    if (auto value = numbersyntax::parseShortDecimal(text))
        return value;
    return numbersyntax::parseOtherNumber(text);
}

} // namespace marklode
