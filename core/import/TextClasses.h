#pragma once

#include <string>
#include <string_view>

namespace marklode {

// Space separators (general category Zs) and the tab. No line breaks.
bool isWhitespace(char32_t scalar);
// Whitespace plus U+000A-U+000D, U+0085 and the line and paragraph separators (Zl, Zp).
bool isWhitespaceOrNewline(char32_t scalar);

// Both take UTF-8; malformed bytes count as ordinary characters and are kept.
std::string_view trimWhitespace(std::string_view text);
std::string_view trimWhitespaceAndNewlines(std::string_view text);
bool isAllWhitespace(std::string_view text);

// Full Unicode lower-casing, context-free.
std::string lowercased(std::string_view text);

} // namespace marklode
