#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace marklode::test {

using ByteVector = std::vector<std::uint8_t>;

// "02 00 0a" -> bytes; separators (spaces, commas) are ignored.
inline ByteVector hexBytes(std::string_view hex) {
    ByteVector bytes;
    int high = -1;
    for (char c : hex) {
        int value = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (value < 0)
            continue;
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + value));
            high = -1;
        }
    }
    return bytes;
}

inline std::string hexString(const ByteVector& bytes) {
    std::string out;
    char pair[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02x ", byte);
        out += pair;
    }
    return out;
}

inline ByteVector asBytes(std::string_view text) {
    return ByteVector(text.begin(), text.end());
}

inline std::uint32_t u32At(const ByteVector& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                      static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

inline std::uint16_t u16At(const ByteVector& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline void putU32(ByteVector& bytes, std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k)
        bytes[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(value >> (8 * k));
}

inline void putU16(ByteVector& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A 24-bit BMP with a 40-byte info header; pixel (row, column) counted from the top gets the
// colour colour(row, column) as blue, green, red.
struct BMPSpec {
    std::int32_t width = 2;
    std::int32_t height = 2; // positive: stored bottom-up
    std::uint32_t headerSize = 40;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
};

template <typename Colour> ByteVector makeBMP(const BMPSpec& layout, Colour colour) {
    std::size_t stride = (3 * static_cast<std::size_t>(layout.width) + 3) / 4 * 4;
    std::size_t rows = static_cast<std::size_t>(layout.height < 0 ? -layout.height : layout.height);
    std::size_t offset = 14 + layout.headerSize;
    ByteVector bmp(offset + stride * rows, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    putU32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    putU32(bmp, 10, static_cast<std::uint32_t>(offset));
    putU32(bmp, 14, layout.headerSize);
    putU32(bmp, 18, static_cast<std::uint32_t>(layout.width));
    putU32(bmp, 22, static_cast<std::uint32_t>(layout.height));
    putU16(bmp, 26, 1);
    putU16(bmp, 28, layout.bitsPerPixel);
    putU32(bmp, 30, layout.compression);
    for (std::size_t r = 0; r < rows; ++r) {
        std::size_t stored = layout.height > 0 ? rows - 1 - r : r;
        for (std::size_t c = 0; c < static_cast<std::size_t>(layout.width); ++c) {
            auto [blue, green, red] = colour(r, c);
            std::size_t at = offset + stored * stride + 3 * c;
            bmp[at] = blue;
            bmp[at + 1] = green;
            bmp[at + 2] = red;
        }
    }
    return bmp;
}

struct BGR {
    std::uint8_t blue, green, red;
};

// Distinct colours per pixel, so row order mistakes show.
inline BGR patternColour(std::size_t row, std::size_t column) {
    return {static_cast<std::uint8_t>(row * 16 + column), static_cast<std::uint8_t>(row),
            static_cast<std::uint8_t>(0x80 + column)};
}

} // namespace marklode::test

namespace marklode::test {

// A minimal record walker for checking layouts; assumes well-formed input.
struct RecordSpan {
    std::uint16_t type;
    std::size_t offset;
    std::size_t dataStart;
    std::size_t mainEnd;
    std::size_t end;
};

inline RecordSpan recordAt(const ByteVector& bytes, std::size_t offset) {
    bool extended = (u16At(bytes, offset + 2) & 0x0008) != 0;
    std::size_t dataStart = offset + (extended ? 12 : 8);
    std::size_t total = u32At(bytes, offset + 4);
    std::size_t main = extended ? u32At(bytes, offset + 8) : total;
    return {u16At(bytes, offset), offset, dataStart, dataStart + main, dataStart + total};
}

inline std::vector<RecordSpan> recordsIn(const ByteVector& bytes, std::size_t begin,
                                         std::size_t end) {
    std::vector<RecordSpan> records;
    while (begin < end) {
        records.push_back(recordAt(bytes, begin));
        begin = records.back().end;
    }
    return records;
}

// The inline records of a category record (its areas), after its name.
inline std::vector<RecordSpan> areasOf(const ByteVector& bytes, const RecordSpan& category) {
    std::size_t nameEnd = category.dataStart + 4 + u32At(bytes, category.dataStart);
    return recordsIn(bytes, nameEnd, category.mainEnd);
}

inline std::vector<RecordSpan> topLevelRecords(const ByteVector& bytes) {
    return recordsIn(bytes, 0, bytes.size());
}

// The name of a waypoint record, as stored.
inline std::string waypointName(const ByteVector& bytes, const RecordSpan& waypoint) {
    std::size_t text = waypoint.dataStart + 11 + 8;
    std::size_t length = u16At(bytes, waypoint.dataStart + 11 + 6);
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(text),
                       bytes.begin() + static_cast<std::ptrdiff_t>(text + length));
}

} // namespace marklode::test
