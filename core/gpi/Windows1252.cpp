#include "core/gpi/Windows1252.h"

#include <array>

namespace marklode {

namespace {

constexpr char32_t unassigned = 0;

// Bytes 0x80-0x9F; every other byte above 0x7F maps to the code point of the same value.
constexpr std::array<char32_t, 32> high = {
    0x20AC,     unassigned, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, unassigned, 0x017D, unassigned,
    unassigned, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, unassigned, 0x017E, 0x0178};

// Decodes one code point at `i`, advancing it; returns nothing on malformed input.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i) {
    if (i >= text.size())
        return std::nullopt;
    auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - i < length)
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    i += length;
    return value;
}

std::optional<std::uint8_t> toWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<std::uint8_t>(codePoint);
    for (std::size_t k = 0; k < high.size(); ++k)
        if (high[k] == codePoint && codePoint != unassigned)
            return static_cast<std::uint8_t>(0x80 + k);
    return std::nullopt;
}

void appendUTF8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

std::optional<char32_t> decodeNextCodePoint(std::string_view text, std::size_t& index) {
    return nextCodePoint(text, index);
}

bool isValidUTF8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size())
        if (!nextCodePoint(bytes, i))
            return false;
    return true;
}

std::optional<std::size_t> windows1252Length(std::string_view utf8) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++i;
        } else {
            auto codePoint = nextCodePoint(utf8, i);
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

std::optional<std::string> encodeWindows1252(std::string_view utf8) {
    auto length = windows1252Length(utf8);
    if (!length)
        return std::nullopt;
    std::string out(*length, '\0');
    encodeWindows1252Into(utf8, reinterpret_cast<std::uint8_t*>(out.data()));
    return out;
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
            auto codePoint = nextCodePoint(utf8, i);
            if (!codePoint)
                ++i;
            *out++ = codePoint ? toWindows1252(*codePoint).value_or('?') : '?';
        }
    }
    return out;
}

std::optional<std::string> decodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        char32_t codePoint = byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : byte;
        if (codePoint == unassigned && byte != 0)
            return std::nullopt;
        appendUTF8(out, codePoint);
    }
    return out;
}

} // namespace marklode
