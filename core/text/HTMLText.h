#pragma once

#include <string>
#include <string_view>

namespace marklode {

// The text a reader sees in an HTML fragment, as lines: tags are dropped, character references
// decoded, and line breaks and block boundaries start a new line. White space runs become one
// space, lines are trimmed and empty ones dropped. Script and style contents are not text.
// A text without any tag is taken as plain text whose own line breaks stay.
// Malformed markup and unknown or invalid references are kept as written.
std::string plainTextFromHTML(std::string_view html);

} // namespace marklode
