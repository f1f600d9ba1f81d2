#pragma once

#include "core/gpi/GPIEncoding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace marklode {

// A growable byte array with the little-endian appends and the two string encodings of the
// file format. Strings that don't fit their 16-bit count throw GPIWriterError::stringTooLong
// and leave the buffer unchanged.
struct ByteBuffer {
    static constexpr std::size_t maxStringBytes = 65535;

    std::vector<std::uint8_t> bytes;

    void appendUInt8(std::uint8_t value) { bytes.push_back(value); }
    void appendUInt16(std::uint16_t value) {
        const std::uint8_t le[2] = {static_cast<std::uint8_t>(value),
                                    static_cast<std::uint8_t>(value >> 8)};
        bytes.insert(bytes.end(), le, le + 2);
    }
    void appendUInt32(std::uint32_t value) {
        const std::uint8_t le[4] = {
            static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
        bytes.insert(bytes.end(), le, le + 4);
    }
    void appendInt32(std::int32_t value) { appendUInt32(static_cast<std::uint32_t>(value)); }
    void appendBytes(std::span<const std::uint8_t> data) {
        bytes.insert(bytes.end(), data.begin(), data.end());
    }
    void appendBytes(std::string_view ascii) {
        bytes.insert(bytes.end(), ascii.begin(), ascii.end());
    }

    // 16-bit byte count, then the UTF-8 bytes.
    void appendString(std::string_view text);
    // 32-bit count of what follows, 2 language bytes, 16-bit byte count, then the text in the
    // file's encoding (its UTF-8 form when Windows-1252 can't hold it without loss).
    void appendLocalizedString(std::string_view text, GPIEncoding encoding,
                               std::string_view languageCode);
    // The same with the language bytes and the stored length worked out by the caller (through
    // languageBytes and localizedTextLength, after checking the limit).
    void appendLocalizedText(std::string_view text, GPIEncoding encoding,
                             std::array<std::uint8_t, 2> language, std::size_t encodedLength);

    std::size_t size() const { return bytes.size(); }
};

// The byte count of a text as appendLocalizedString stores it (without the 8 framing bytes).
std::size_t localizedTextLength(std::string_view text, GPIEncoding encoding);

// The 2 language bytes for a language code: its leading ASCII characters, at most two, padded
// with spaces. A non-ASCII character ends the code, so the tag is always exactly 2 bytes and
// never holds a cut UTF-8 sequence.
std::array<std::uint8_t, 2> languageBytes(std::string_view languageCode);

} // namespace marklode
