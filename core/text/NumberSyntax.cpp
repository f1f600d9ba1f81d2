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

} // namespace

std::optional<double> numbersyntax::parseOtherNumber(std::string_view text) {
    // strtod skips leading whitespace, which the whole-text rule forbids.
    if (text.empty() || isCSpace(text.front()))
        return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size())
        return value;
    // A leading "+", hexadecimal forms and out-of-range values (which strtod turns into an
    // infinity or a tiny value) need the C library.
    return parseWithStrtod(text);
}

} // namespace marklode
