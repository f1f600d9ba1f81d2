#include "core/text/TextDecoding.h"

#include <cstdint>
#include <cstring>

namespace marklode {

namespace {

constexpr char32_t replacement = 0xFFFD;

// 0x80-0x9F; zero marks the five unassigned bytes.
constexpr char32_t cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence at p (p < end), or 0 when malformed. Follows the table of
// well-formed byte sequences, which rules out overlongs, surrogates and values past U+10FFFF.
std::size_t sequenceLength(const unsigned char* p, const unsigned char* end) {
    unsigned char lead = p[0];
    if (lead < 0x80)
        return 1;
    std::size_t available = static_cast<std::size_t>(end - p);
    if (lead >= 0xC2 && lead <= 0xDF)
        return available >= 2 && isContinuation(p[1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (available < 3)
            return 0;
        unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return p[1] >= low && p[1] <= high && isContinuation(p[2]) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (available < 4)
            return 0;
        unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return p[1] >= low && p[1] <= high && isContinuation(p[2]) && isContinuation(p[3]) ? 4 : 0;
    }
    return 0;
}

char32_t scalarOf(const unsigned char* p, std::size_t length) {
    switch (length) {
    case 1:
        return p[0];
    case 2:
        return (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    case 3:
        return (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    default:
        return (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) |
               (char32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
    }
}

} // namespace

bool isValidUTF8(std::string_view bytes) {
    auto p = reinterpret_cast<const unsigned char*>(bytes.data());
    auto end = p + bytes.size();
    while (p < end) {
        // Most input is ASCII: skip it eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        std::size_t length = sequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

char32_t windows1252Scalar(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? cp1252High[byte - 0x80] : byte;
}

std::optional<std::string> decodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
            continue;
        }
        char32_t scalar = windows1252Scalar(byte);
        if (scalar == 0)
            return std::nullopt;
        appendUTF8(out, scalar);
    }
    return out;
}

std::optional<std::string> decodeText(std::string_view bytes) {
    bytes = withoutByteOrderMark(bytes);
    if (isValidUTF8(bytes))
        return std::string(bytes);
    return decodeWindows1252(bytes);
}

DecodedScalar decodeScalarAt(std::string_view bytes, std::size_t index) {
    auto p = reinterpret_cast<const unsigned char*>(bytes.data()) + index;
    auto end = reinterpret_cast<const unsigned char*>(bytes.data()) + bytes.size();
    std::size_t length = sequenceLength(p, end);
    if (length == 0)
        return {replacement, 1};
    return {scalarOf(p, length), length};
}

DecodedScalar decodeScalarBefore(std::string_view bytes, std::size_t end) {
    std::size_t start = end - 1;
    // Step back over at most three continuation bytes to a lead byte.
    while (start > 0 && end - start < 4 && isContinuation(static_cast<unsigned char>(bytes[start])))
        --start;
    DecodedScalar decoded = decodeScalarAt(bytes, start);
    if (start + decoded.length == end)
        return decoded;
    return {replacement, 1};
}

void appendUTF8(std::string& out, char32_t scalar) {
    if (scalar < 0x80) {
        out.push_back(static_cast<char>(scalar));
    } else if (scalar < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (scalar >> 6)));
        out.push_back(static_cast<char>(0x80 | (scalar & 0x3F)));
    } else if (scalar < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (scalar >> 12)));
        out.push_back(static_cast<char>(0x80 | ((scalar >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (scalar & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (scalar >> 18)));
        out.push_back(static_cast<char>(0x80 | ((scalar >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((scalar >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (scalar & 0x3F)));
    }
}

} // namespace marklode
