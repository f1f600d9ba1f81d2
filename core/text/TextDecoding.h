#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace marklode {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no truncated sequences.
bool isValidUTF8(std::string_view bytes);

// Windows-1252 to UTF-8; nothing when a byte has no assignment (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::optional<std::string> decodeWindows1252(std::string_view bytes);

// The Unicode scalar for a byte 0x80-0x9F of Windows-1252, or 0 when unassigned. Bytes outside
// that range map to themselves.
char32_t windows1252Scalar(unsigned char byte);

// Drops a leading UTF-8 byte order mark, then decodes as UTF-8, else as Windows-1252.
std::optional<std::string> decodeText(std::string_view bytes);

inline std::string_view withoutByteOrderMark(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return bytes;
}

struct DecodedScalar {
    char32_t scalar;
    std::size_t length; // at least 1, also for malformed input
};

// Decodes the scalar starting at bytes[index] (index < size). Malformed input yields U+FFFD with
// length 1, so callers walking possibly invalid text always make progress.
DecodedScalar decodeScalarAt(std::string_view bytes, std::size_t index);

// Decodes the scalar that ends just before bytes[end] (end > 0).
DecodedScalar decodeScalarBefore(std::string_view bytes, std::size_t end);

void appendUTF8(std::string& out, char32_t scalar);

} // namespace marklode
