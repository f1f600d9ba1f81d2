#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace marklode {

// The writer's text measures, eight bytes at a time where the text is ASCII; on long runs of
// texts they decide the speed of the whole file.

// Whether every byte is below 0x80.
bool isAllASCII(std::string_view text);
// The Windows-1252 byte count of a UTF-8 text, or nothing when it has no Windows-1252 form:
// the same answer as windows1252Length.
std::optional<std::size_t> windows1252Measure(std::string_view text);
// The Windows-1252 byte count of a text known to have that form.
std::size_t encodableLength(std::string_view text);

} // namespace marklode
