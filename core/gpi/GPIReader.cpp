#include "core/gpi/GPIReader.h"

#include "core/text/Windows1252.h"

#include <optional>
#include <string_view>

namespace marklode {

namespace {

constexpr std::uint16_t extendedFlag = 0x0008;
constexpr std::uint16_t formatType = 1;
constexpr std::uint16_t waypointType = 2;
constexpr std::uint16_t areaType = 8;
constexpr std::uint16_t categoryType = 9;
constexpr std::uint16_t endType = 0xFFFF;
constexpr std::uint16_t utf8CodePage = 65001;

// Offsets are 64-bit: a 32-bit length added to any offset within the file can't overflow.
struct Header {
    std::uint16_t type;
    std::uint64_t dataStart;
    std::uint64_t mainEnd;
    std::uint64_t recordEnd;
};

class Parser {
  public:
    explicit Parser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    GPIContents read() {
        GPIContents contents;
        std::uint16_t codePage = 1252;
        bool sawEnd = false;
        std::uint64_t offset = 0;
        while (offset < bytes_.size()) {
            Header header = readHeader(offset, bytes_.size());
            offset = header.recordEnd;
            switch (header.type) {
            case formatType:
                if (header.mainEnd - header.dataStart >= 10)
                    codePage = u16(header.dataStart + 8);
                break;
            case categoryType:
                contents.categories.push_back(readCategory(header, codePage));
                break;
            case endType:
                sawEnd = true;
                break;
            default:
                break;
            }
        }
        if (!sawEnd)
            throw GPIReaderError::damaged(static_cast<std::int64_t>(bytes_.size()));
        return contents;
    }

  private:
    std::span<const std::uint8_t> bytes_;

    // Callers have checked that the bytes exist.
    std::uint16_t u16(std::uint64_t at) const {
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t u32(std::uint64_t at) const {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    }

    [[noreturn]] static void damaged(std::uint64_t offset) {
        throw GPIReaderError::damaged(static_cast<std::int64_t>(offset));
    }

    Header readHeader(std::uint64_t p, std::uint64_t limit) const {
        if (p + 8 > limit)
            damaged(p);
        std::uint16_t type = u16(p);
        bool extended = (u16(p + 2) & extendedFlag) != 0;
        std::uint64_t totalLength = u32(p + 4);
        std::uint64_t mainLength = totalLength;
        std::uint64_t dataStart = p + 8;
        if (extended) {
            if (p + 12 > limit)
                damaged(p);
            mainLength = u32(p + 8);
            dataStart = p + 12;
        }
        std::uint64_t recordEnd = dataStart + totalLength;
        if (recordEnd > limit || mainLength > totalLength)
            damaged(p);
        return {type, dataStart, dataStart + mainLength, recordEnd};
    }

    GPIContents::Category readCategory(const Header& header, std::uint16_t codePage) const {
        std::uint64_t s = header.dataStart;
        if (header.mainEnd - s < 8)
            damaged(s);
        std::uint64_t stringEnd = s + 4 + u32(s);
        std::uint64_t textLength = u16(s + 6);
        if (stringEnd < s + 8 + textLength || stringEnd > header.mainEnd)
            damaged(s);
        std::string_view text(reinterpret_cast<const char*>(bytes_.data() + s + 8),
                              static_cast<std::size_t>(textLength));

        GPIContents::Category category;
        if (codePage == utf8CodePage) {
            if (isValidUTF8(text))
                category.name = std::string(text);
        } else {
            category.name = decodeWindows1252(text).value_or(std::string());
        }
        category.poiCount = countWaypoints(stringEnd, header.mainEnd);
        countWaypoints(header.mainEnd, header.recordEnd);
        return category;
    }

    // Walks nested areas with an explicit stack rather than recursion, so deeply nested input
    // can't exhaust the call stack; the visiting order is that of the recursive walk.
    std::int64_t countWaypoints(std::uint64_t start, std::uint64_t end) const {
        struct Region {
            std::uint64_t offset;
            std::uint64_t end;
        };
        std::vector<Region> regions{{start, end}};
        std::int64_t count = 0;
        while (!regions.empty()) {
            Region& region = regions.back();
            if (region.offset >= region.end) {
                regions.pop_back();
                continue;
            }
            Header header = readHeader(region.offset, region.end);
            region.offset = header.recordEnd;
            if (header.type == waypointType)
                ++count;
            else if (header.type == areaType)
                regions.push_back({header.mainEnd, header.recordEnd}); // invalidates `region`
        }
        return count;
    }
};

} // namespace

std::int64_t GPIContents::poiCount() const {
    std::int64_t total = 0;
    for (const Category& category : categories)
        total += category.poiCount;
    return total;
}

GPIContents GPIReader::read(std::span<const std::uint8_t> bytes) {
    constexpr std::string_view tag = "GRMREC00";
    if (bytes.size() < 16 ||
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + 8, tag.size()) != tag)
        throw GPIReaderError::notAGPIFile();
    return Parser(bytes).read();
}

} // namespace marklode
