#include "core/text/Windows1252.h"

namespace marklode {

namespace {

std::optional<std::uint8_t> toWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<std::uint8_t>(codePoint);
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte)
        if (windows1252Scalar(static_cast<unsigned char>(byte)) == codePoint)
            return static_cast<std::uint8_t>(byte);
    return std::nullopt;
}

} // namespace

std::optional<char32_t> decodeNextCodePoint(std::string_view text, std::size_t& index) {
    if (index >= text.size())
        return std::nullopt;
    DecodedScalar decoded = decodeScalarAt(text, index);
    // A malformed byte decodes as a one-byte U+FFFD; a real U+FFFD takes three bytes.
    if (decoded.scalar == 0xFFFD && decoded.length == 1)
        return std::nullopt;
    index += decoded.length;
    return decoded.scalar;
}

std::optional<std::size_t> windows1252Length(std::string_view utf8) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++i;
        } else {
            auto codePoint = decodeNextCodePoint(utf8, i);
            if (!codePoint || !toWindows1252(*codePoint))
                return std::nullopt;
        }
        ++count;
    }
    return count;
}

bool isWindows1252Encodable(std::string_view utf8) {
    return windows1252Length(utf8).has_value();
}

std::uint8_t* encodeWindows1252Into(std::string_view utf8, std::uint8_t* out) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
        } else {
            // The caller checked the text; the fallbacks only keep a broken precondition from
            // looping or writing past the promised length.
            auto codePoint = decodeNextCodePoint(utf8, i);
            if (!codePoint)
                ++i;
            *out++ = codePoint ? toWindows1252(*codePoint).value_or('?') : '?';
        }
    }
    return out;
}

} // namespace marklode
