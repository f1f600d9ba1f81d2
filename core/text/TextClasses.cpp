#include "core/text/TextClasses.h"

#include "core/text/TextDecoding.h"

#include <utf8proc.h>

namespace marklode {

namespace {

bool isSpaceSeparator(char32_t scalar) {
    return utf8proc_category(static_cast<utf8proc_int32_t>(scalar)) == UTF8PROC_CATEGORY_ZS;
}

template <bool (*isTrimmed)(char32_t)> std::string_view trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end) {
        auto byte = static_cast<unsigned char>(text[begin]);
        if (byte < 0x80) {
            if (!isTrimmed(byte))
                break;
            ++begin;
            continue;
        }
        DecodedScalar decoded = decodeScalarAt(text, begin);
        if (decoded.length == 1 || !isTrimmed(decoded.scalar))
            break;
        begin += decoded.length;
    }
    while (end > begin) {
        auto byte = static_cast<unsigned char>(text[end - 1]);
        if (byte < 0x80) {
            if (!isTrimmed(byte))
                break;
            --end;
            continue;
        }
        DecodedScalar decoded = decodeScalarBefore(text.substr(begin), end - begin);
        if (decoded.length == 1 || !isTrimmed(decoded.scalar))
            break;
        end -= decoded.length;
    }
    return text.substr(begin, end - begin);
}

} // namespace

bool isWhitespace(char32_t scalar) {
    if (scalar < 0x80)
        return scalar == ' ' || scalar == '\t';
    return isSpaceSeparator(scalar);
}

bool isWhitespaceOrNewline(char32_t scalar) {
    if (scalar < 0x80)
        return scalar == ' ' || scalar == '\t' || (scalar >= 0x0A && scalar <= 0x0D);
    if (scalar == 0x85)
        return true;
    switch (utf8proc_category(static_cast<utf8proc_int32_t>(scalar))) {
    case UTF8PROC_CATEGORY_ZS:
    case UTF8PROC_CATEGORY_ZL:
    case UTF8PROC_CATEGORY_ZP:
        return true;
    default:
        return false;
    }
}

std::string_view detail::trimWhitespaceSlow(std::string_view text) {
    return trim<isWhitespace>(text);
}

std::string_view detail::trimWhitespaceAndNewlinesSlow(std::string_view text) {
    return trim<isWhitespaceOrNewline>(text);
}

bool isAllWhitespace(std::string_view text) {
    return trimWhitespace(text).empty();
}

std::string lowercased(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out.push_back(byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 32) : text[i]);
            ++i;
            continue;
        }
        DecodedScalar decoded = decodeScalarAt(text, i);
        if (decoded.length == 1) {
            out.push_back(text[i]); // keep malformed bytes as they are
        } else if (decoded.scalar == 0x130) {
            // The one unconditional mapping that is longer than a single scalar.
            out += "i\xCC\x87";
        } else {
            appendUTF8(out, static_cast<char32_t>(
                                utf8proc_tolower(static_cast<utf8proc_int32_t>(decoded.scalar))));
        }
        i += decoded.length;
    }
    return out;
}

} // namespace marklode
