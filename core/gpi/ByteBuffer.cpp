#include "core/gpi/ByteBuffer.h"

#include "core/gpi/GPIWriterError.h"
#include "core/text/TextClasses.h"
#include "core/text/Windows1252.h"

#include <stdexcept>
#include <string>

namespace marklode {

std::size_t localizedTextLength(std::string_view text, GPIEncoding encoding) {
    if (isASCII(text))
        return text.size(); // the same in both encodings
    if (encoding == GPIEncoding::windows1252)
        if (auto length = windows1252Length(text))
            return *length;
    return text.size();
}

std::size_t checkedTextLength(std::string_view text, GPIEncoding encoding) {
    std::size_t length = localizedTextLength(text, encoding);
    if (length > ByteBuffer::maxStringBytes)
        throw GPIWriterError::stringTooLong(std::string(text));
    return length;
}

std::array<std::uint8_t, 2> languageBytes(std::string_view languageCode) {
    std::array<std::uint8_t, 2> tag = {' ', ' '};
    for (std::size_t i = 0; i < 2 && i < languageCode.size(); ++i) {
        auto byte = static_cast<std::uint8_t>(languageCode[i]);
        if (byte >= 0x80)
            break;
        tag[i] = byte;
    }
    return tag;
}

void ByteBuffer::appendString(std::string_view text) {
    if (text.size() > maxStringBytes)
        throw GPIWriterError::stringTooLong(std::string(text));
    appendUInt16(static_cast<std::uint16_t>(text.size()));
    appendBytes(text);
}

void ByteCursor::overrun() {
    throw std::logic_error("output longer than its computed size");
}

} // namespace marklode
