#pragma once

// Whole-string forms of the encoders the writer uses piece by piece.

#include "core/gpi/ByteBuffer.h"
#include "core/text/Windows1252.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marklode::test {

// Lossless conversion; nothing when some character has no Windows-1252 form.
inline std::optional<std::string> encodeWindows1252(std::string_view utf8) {
    auto length = windows1252Length(utf8);
    if (!length)
        return std::nullopt;
    std::string out(*length, '\0');
    encodeWindows1252Into(utf8, reinterpret_cast<std::uint8_t*>(out.data()));
    return out;
}

// A language-tagged string: 32-bit count of what follows, 2 language bytes, 16-bit byte count,
// then the text in the file's encoding. A text beyond the 16-bit count throws
// GPIWriterError::stringTooLong and leaves the buffer unchanged.
inline void appendLocalizedString(ByteBuffer& buffer, std::string_view text, GPIEncoding encoding,
                                  std::string_view languageCode) {
    buffer.appendLocalizedText(text, encoding, languageBytes(languageCode),
                               checkedTextLength(text, encoding));
}

} // namespace marklode::test
