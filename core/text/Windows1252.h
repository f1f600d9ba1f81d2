#pragma once

#include "core/text/TextDecoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marklode {

// Decodes the code point at `index` and moves past it; nothing (and no move) when the bytes
// there are not strict UTF-8.
std::optional<char32_t> decodeNextCodePoint(std::string_view text, std::size_t& index);

// The Windows-1252 byte count of a UTF-8 text, or nothing when some character has no
// Windows-1252 form (or the text is not valid UTF-8). Allocates nothing.
std::optional<std::size_t> windows1252Length(std::string_view utf8);

bool isWindows1252Encodable(std::string_view utf8);

// Writes the Windows-1252 form of a text that windows1252Length accepted; `out` must have room
// for that many bytes. Returns the end of what was written.
std::uint8_t* encodeWindows1252Into(std::string_view utf8, std::uint8_t* out);

} // namespace marklode
