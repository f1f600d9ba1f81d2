#pragma once

#include <string>
#include <string_view>

namespace marklode {

// User data made safe to show: C0 and C1 controls, DEL, the bidirectional controls, the line and
// paragraph separators and bytes that are not UTF-8 become escapes ("\n", "\x1b", "\u202e"), so
// names and paths can neither drive a terminal, start lines of their own nor reorder the text
// around them. Everything else, backslashes included, is kept, so escaping twice changes nothing.
std::string printable(std::string_view text);

// The same text as a name of its own (a category made from a file's name): line breaks and tabs
// become spaces, the other characters that printable escapes are left out, and bytes that are
// not UTF-8 become U+FFFD.
std::string withoutControls(std::string_view text);

} // namespace marklode
