#include "core/text/NumberSyntax.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <new>
#include <string>
#include <system_error>

namespace marklode {

namespace {

locale_t cLocale() {
    static const locale_t locale = [] {
        locale_t created = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        if (!created)
            throw std::bad_alloc();
        return created;
    }();
    return locale;
}

bool isCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::optional<double> parseWithStrtod(std::string_view text) {
    // strtod needs a terminator; a NUL inside the text then ends the number early and fails the
    // whole-text check below.
    char small[128];
    std::string large;
    const char* begin;
    if (text.size() < sizeof small) {
        text.copy(small, text.size());
        small[text.size()] = '\0';
        begin = small;
    } else {
        large.assign(text);
        begin = large.c_str();
    }
    char* end = nullptr;
    double value = ::strtod_l(begin, &end, cLocale());
    if (end != begin + text.size())
        return std::nullopt;
    return value;
}

constexpr double exactPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Plain decimals of at most 15 digits, like most coordinates: digits and power of ten are both
// exact doubles, so one division rounds exactly as strtod does.
std::optional<double> parseShortDecimal(std::string_view text) {
    std::size_t i = 0;
    bool negative = text[0] == '-';
    i += negative;
    std::uint64_t digits = 0;
    int count = 0;
    int fractionDigits = -1;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<unsigned>(c - '0');
            if (++count > 15)
                return std::nullopt;
            if (fractionDigits >= 0)
                ++fractionDigits;
        } else if (c == '.' && fractionDigits < 0) {
            fractionDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0)
        return std::nullopt;
    double value = static_cast<double>(digits);
    if (fractionDigits > 0)
        value /= exactPowersOfTen[fractionDigits];
    return negative ? -value : value;
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    // strtod skips leading whitespace, which the whole-text rule forbids.
    if (text.empty() || isCSpace(text.front()))
        return std::nullopt;
    if (auto value = parseShortDecimal(text))
        return value;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size())
        return value;
    // A leading "+", hexadecimal forms and out-of-range values (which strtod turns into an
    // infinity or a tiny value) need the C library.
    return parseWithStrtod(text);
}

} // namespace marklode
