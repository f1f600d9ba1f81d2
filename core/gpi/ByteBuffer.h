#pragma once

#include "core/gpi/GPIEncoding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace marklode {

// Writes the Windows-1252 form of a text that has one; see Windows1252.h.
std::uint8_t* encodeWindows1252Into(std::string_view utf8, std::uint8_t* out);

// The little-endian appends of the file format, on top of a sink's grow(n), which returns room
// for n more bytes.
template <typename Sink> class LittleEndianAppends {
  public:
    void appendUInt8(std::uint8_t value) { *sink().grow(1) = value; }
    void appendUInt16(std::uint16_t value) {
        std::uint8_t* at = sink().grow(2);
        at[0] = static_cast<std::uint8_t>(value);
        at[1] = static_cast<std::uint8_t>(value >> 8);
    }
    void appendUInt32(std::uint32_t value) {
        std::uint8_t* at = sink().grow(4);
        for (int k = 0; k < 4; ++k)
            at[k] = static_cast<std::uint8_t>(value >> (8 * k));
    }
    void appendInt32(std::int32_t value) { appendUInt32(static_cast<std::uint32_t>(value)); }
    void appendBytes(std::span<const std::uint8_t> data) {
        if (!data.empty())
            std::memcpy(sink().grow(data.size()), data.data(), data.size());
    }
    void appendBytes(std::string_view ascii) {
        if (!ascii.empty())
            std::memcpy(sink().grow(ascii.size()), ascii.data(), ascii.size());
    }

    // A language-tagged string whose language bytes and stored length the caller worked out
    // (languageBytes, localizedTextLength) and checked against the 16-bit limit.
    void appendLocalizedText(std::string_view text, GPIEncoding encoding,
                             std::array<std::uint8_t, 2> language, std::size_t encodedLength) {
        appendUInt32(static_cast<std::uint32_t>(encodedLength + 4));
        appendBytes(language);
        appendPlainText(text, encoding, encodedLength);
    }
    // The same without the language framing: a 16-bit byte count, then the text.
    void appendPlainText(std::string_view text, GPIEncoding encoding, std::size_t encodedLength) {
        appendUInt16(static_cast<std::uint16_t>(encodedLength));
        // Equal lengths mean the text is ASCII or is stored in its UTF-8 form.
        if (encoding == GPIEncoding::windows1252 && encodedLength != text.size())
            encodeWindows1252Into(text, sink().grow(encodedLength));
        else
            appendBytes(text);
    }

  private:
    Sink& sink() { return static_cast<Sink&>(*this); }
};

// A growable byte array with the little-endian appends and the plain string of the file format
// (the language-tagged one is appendLocalizedText). A string that doesn't fit its 16-bit count
// throws GPIWriterError::stringTooLong and leaves the buffer unchanged.
struct ByteBuffer : LittleEndianAppends<ByteBuffer> {
    static constexpr std::size_t maxStringBytes = 65535;

    std::vector<std::uint8_t> bytes;

    // 16-bit byte count, then the UTF-8 bytes.
    void appendString(std::string_view text);

    std::size_t size() const { return bytes.size(); }
    std::uint8_t* grow(std::size_t count) {
        std::size_t at = bytes.size();
        bytes.resize(at + count);
        return bytes.data() + at;
    }
};

// The same appends into memory sized beforehand, for output whose length is known up front.
// Running past the end is a logic error and throws std::logic_error.
class ByteCursor : public LittleEndianAppends<ByteCursor> {
  public:
    ByteCursor(std::uint8_t* begin, std::uint8_t* end) : at_(begin), end_(end) {}

    std::uint8_t* grow(std::size_t count) {
        if (static_cast<std::size_t>(end_ - at_) < count)
            overrun();
        std::uint8_t* start = at_;
        at_ += count;
        return start;
    }
    bool atEnd() const { return at_ == end_; }

  private:
    [[noreturn]] static void overrun();
    std::uint8_t* at_;
    std::uint8_t* end_;
};

// The byte count of a text as appendLocalizedText stores it (without the 8 framing bytes): its
// Windows-1252 form in such files when it has one, else its UTF-8 form.
std::size_t localizedTextLength(std::string_view text, GPIEncoding encoding);
// The same, throwing GPIWriterError::stringTooLong when it exceeds the 16-bit count.
std::size_t checkedTextLength(std::string_view text, GPIEncoding encoding);

// The 2 language bytes for a language code: its leading ASCII characters, at most two, padded
// with spaces. A non-ASCII character ends the code, so the tag is always exactly 2 bytes and
// never holds a cut UTF-8 sequence.
std::array<std::uint8_t, 2> languageBytes(std::string_view languageCode);

} // namespace marklode
