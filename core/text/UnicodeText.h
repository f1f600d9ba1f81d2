#pragma once

#include <string>
#include <string_view>

namespace marklode::unicode {

// Removes leading and trailing white space and line breaks, and full stops too when asked.
std::string trimmed(std::string_view text, bool alsoFullStops = false);

// Replaces every scalar for which replace() is true by '_'. Bytes that are not valid UTF-8
// are replaced one by one, so the result is always valid UTF-8.
std::string replacingScalars(std::string_view text, bool (*replace)(char32_t scalar));

// True for control and format characters (categories Cc and Cf).
bool isControlOrFormat(char32_t scalar);

} // namespace marklode::unicode
