#pragma once

#include <string>
#include <string_view>

namespace marklode {

// Space separators (general category Zs) and the tab. No line breaks.
bool isWhitespace(char32_t scalar);
// Whitespace plus U+000A-U+000D, U+0085 and the line and paragraph separators (Zl, Zp).
bool isWhitespaceOrNewline(char32_t scalar);

namespace detail {
std::string_view trimWhitespaceSlow(std::string_view text);
std::string_view trimWhitespaceAndNewlinesSlow(std::string_view text);
// Printable ASCII at both ends: nothing to trim in either class.
inline bool endsArePrintableASCII(std::string_view text) {
    auto front = static_cast<unsigned char>(text.front());
    auto back = static_cast<unsigned char>(text.back());
    return front > 0x20 && front < 0x80 && back > 0x20 && back < 0x80;
}
} // namespace detail

// Both take UTF-8; malformed bytes count as ordinary characters and are kept.
inline std::string_view trimWhitespace(std::string_view text) {
    if (text.empty() || detail::endsArePrintableASCII(text))
        return text;
    return detail::trimWhitespaceSlow(text);
}

inline std::string_view trimWhitespaceAndNewlines(std::string_view text) {
    if (text.empty() || detail::endsArePrintableASCII(text))
        return text;
    return detail::trimWhitespaceAndNewlinesSlow(text);
}

bool isAllWhitespace(std::string_view text);

// Every byte below 0x80. Scans without branching, so long texts check quickly.
inline bool isASCII(std::string_view text) {
    unsigned char any = 0;
    for (char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// Full Unicode lower-casing, context-free.
std::string lowercased(std::string_view text);

} // namespace marklode
