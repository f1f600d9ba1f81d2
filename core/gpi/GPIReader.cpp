#include "core/gpi/GPIReader.h"

#include "core/gpi/GPIRecords.h"
#include "core/text/TextClasses.h"
#include "core/text/Windows1252.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace marklode {

namespace {

constexpr std::uint16_t extendedFlag = 0x0008;
constexpr std::uint16_t formatType = 1;
constexpr std::uint16_t waypointType = 2;
constexpr std::uint16_t alertType = 3;
constexpr std::uint16_t areaType = 8;
constexpr std::uint16_t categoryType = 9;
constexpr std::uint16_t commentType = 10;
constexpr std::uint16_t addressType = 11;
constexpr std::uint16_t contactType = 12;
constexpr std::uint16_t endType = 0xFFFF;
constexpr std::uint16_t utf8CodePage = 65001;
constexpr std::size_t waypointFixedSize = 4 + 4 + 2 + 1;
constexpr std::size_t alertFieldsSize = 4;

// Valid input is copied as it is; only damaged texts take the slow way.
std::string decodedLeniently(std::string_view bytes, std::uint16_t codePage) {
    constexpr char32_t replacement = 0xFFFD;
    std::string text;
    if (codePage == utf8CodePage) {
        if (isValidUTF8(bytes))
            return std::string(bytes);
        for (std::size_t at = 0; at < bytes.size();) {
            DecodedScalar decoded = decodeScalarAt(bytes, at);
            appendUTF8(text, decoded.scalar);
            at += decoded.length;
        }
        return text;
    }
    if (auto decoded = decodeWindows1252(bytes))
        return *std::move(decoded);
    for (char byte : bytes) {
        auto value = static_cast<unsigned char>(byte);
        char32_t scalar = windows1252Scalar(value);
        appendUTF8(text, scalar == 0 && value != 0 ? replacement : scalar);
    }
    return text;
}

// The shortest decimal, to at most 9 places, that the writer stores as these units, so that a
// position reads back as it was given rather than with the binary units' noise digits.
double degreesOf(std::int32_t units) {
    double exact = units * (180.0 / 2147483648.0);
    double scale = 1;
    for (int places = 0; places <= 9; ++places, scale *= 10) {
        double rounded = std::round(exact * scale) / scale;
        if (gpirecords::semicircles(rounded) == units)
            return rounded;
    }
    return exact;
}

std::string trimmedText(std::string_view text) {
    return std::string(trimWhitespaceAndNewlines(text));
}

// Offsets are 64-bit: a 32-bit length added to any offset within the file can't overflow.
struct Header {
    std::uint16_t type;
    std::uint64_t dataStart;
    std::uint64_t mainEnd;
    std::uint64_t recordEnd;
};

// A text and the offset just past its framing.
struct FramedText {
    std::string_view bytes;
    std::uint64_t end;
};

class Parser {
  public:
    Parser(std::span<const std::uint8_t> bytes, bool withPOIs)
        : bytes_(bytes), withPOIs_(withPOIs) {}

    GPIContents read() {
        GPIContents contents;
        bool sawEnd = false;
        std::uint64_t offset = 0;
        while (offset < bytes_.size()) {
            Header header = readHeader(offset, bytes_.size());
            offset = header.recordEnd;
            switch (header.type) {
            case formatType:
                if (header.mainEnd - header.dataStart >= 10)
                    codePage_ = u16(header.dataStart + 8);
                break;
            case categoryType:
                contents.categories.push_back(readCategory(header));
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
    bool withPOIs_;
    std::uint16_t codePage_ = 1252;

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

    std::string_view view(std::uint64_t at, std::uint64_t length) const {
        return {reinterpret_cast<const char*>(bytes_.data() + at),
                static_cast<std::size_t>(length)};
    }

    // A language-tagged string at `s`; only its first language is read.
    FramedText taggedText(std::uint64_t s, std::uint64_t end) const {
        if (s > end || end - s < 8)
            damaged(s);
        std::uint64_t stringEnd = s + 4 + u32(s);
        std::uint64_t textLength = u16(s + 6);
        if (stringEnd < s + 8 + textLength || stringEnd > end)
            damaged(s);
        return {view(s + 8, textLength), stringEnd};
    }

    FramedText plainText(std::uint64_t s, std::uint64_t end) const {
        if (s > end || end - s < 2)
            damaged(s);
        std::uint64_t textLength = u16(s);
        if (end - s - 2 < textLength)
            damaged(s);
        return {view(s + 2, textLength), s + 2 + textLength};
    }

    GPIContents::Category readCategory(const Header& header) const {
        FramedText name = taggedText(header.dataStart, header.mainEnd);
        GPIContents::Category category;
        if (codePage_ == utf8CodePage) {
            if (isValidUTF8(name.bytes))
                category.name = std::string(name.bytes);
        } else {
            category.name = decodeWindows1252(name.bytes).value_or(std::string());
        }
        if (withPOIs_) {
            visitWaypoints(name.end, header.mainEnd, [&](const Header& waypoint) {
                category.pois.push_back(readWaypoint(waypoint));
            });
            category.poiCount = static_cast<std::int64_t>(category.pois.size());
        } else {
            visitWaypoints(name.end, header.mainEnd, [&](const Header&) { ++category.poiCount; });
        }
        visitWaypoints(header.mainEnd, header.recordEnd, [](const Header&) {});
        return category;
    }

    std::string decoded(std::string_view bytes) const { return decodedLeniently(bytes, codePage_); }

    POI readWaypoint(const Header& header) const {
        std::uint64_t s = header.dataStart;
        if (header.mainEnd - s < waypointFixedSize)
            damaged(s);
        POI poi;
        poi.latitude = degreesOf(static_cast<std::int32_t>(u32(s)));
        poi.longitude = degreesOf(static_cast<std::int32_t>(u32(s + 4)));
        poi.name = decoded(taggedText(s + waypointFixedSize, header.mainEnd).bytes);

        POIDetails details;
        std::uint64_t offset = header.mainEnd;
        while (offset < header.recordEnd) {
            Header child = readHeader(offset, header.recordEnd);
            switch (child.type) {
            case alertType:
                readAlert(child, poi);
                break;
            case commentType:
                poi.comment = decoded(taggedText(child.dataStart, child.mainEnd).bytes);
                break;
            case addressType:
                details.address = readAddress(child);
                break;
            case contactType:
                if (fieldMask(child) & gpirecords::phoneBit)
                    details.phone =
                        trimmedText(decoded(plainText(child.dataStart + 2, child.recordEnd).bytes));
                break;
            default:
                break;
            }
            offset = child.recordEnd;
        }
        poi.setDetails(std::move(details));
        return poi;
    }

    // An alert always gives an alert value: the proximity stands for it when the speed is 0.
    void readAlert(const Header& header, POI& poi) const {
        if (header.mainEnd - header.dataStart < alertFieldsSize)
            damaged(header.dataStart);
        std::uint16_t proximity = u16(header.dataStart);
        std::uint16_t centimetresPerSecond = u16(header.dataStart + 2);
        if (centimetresPerSecond > 0)
            poi.speedKmh = centimetresPerSecond * 36 / 1000.0;
        if (proximity > 0 || centimetresPerSecond == 0)
            poi.proximityMeters = proximity;
    }

    std::uint16_t fieldMask(const Header& header) const {
        if (header.mainEnd - header.dataStart < 2)
            damaged(header.dataStart);
        return u16(header.dataStart);
    }

    // The fields follow the mask, in the main part or after it. Bits this reader doesn't know
    // come after the known fields, so those are read and the rest is skipped.
    Address readAddress(const Header& header) const {
        std::uint16_t mask = fieldMask(header);
        Address address;
        std::uint64_t at = header.dataStart + 2;
        for (const gpirecords::AddressField& field : gpirecords::addressFields) {
            if (!(mask & field.bit))
                continue;
            FramedText text = field.languageTagged ? taggedText(at, header.recordEnd)
                                                   : plainText(at, header.recordEnd);
            address.*field.part = trimmedText(decoded(text.bytes));
            at = text.end;
        }
        return address;
    }

    // Walks nested areas with an explicit stack rather than recursion, so deeply nested input
    // can't exhaust the call stack; the visiting order is that of the recursive walk.
    template <typename Visit>
    void visitWaypoints(std::uint64_t start, std::uint64_t end, Visit visit) const {
        struct Region {
            std::uint64_t offset;
            std::uint64_t end;
        };
        std::vector<Region> regions{{start, end}};
        while (!regions.empty()) {
            Region& region = regions.back();
            if (region.offset >= region.end) {
                regions.pop_back();
                continue;
            }
            Header header = readHeader(region.offset, region.end);
            region.offset = header.recordEnd;
            if (header.type == waypointType)
                visit(header);
            else if (header.type == areaType)
                regions.push_back({header.mainEnd, header.recordEnd}); // invalidates `region`
        }
    }
};

} // namespace

std::int64_t GPIContents::poiCount() const {
    std::int64_t total = 0;
    for (const Category& category : categories)
        total += category.poiCount;
    return total;
}

namespace {

GPIContents parse(std::span<const std::uint8_t> bytes, bool withPOIs) {
    constexpr std::string_view tag = "GRMREC00";
    if (bytes.size() < 16 ||
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + 8, tag.size()) != tag)
        throw GPIReaderError::notAGPIFile();
    return Parser(bytes, withPOIs).read();
}

} // namespace

GPIContents GPIReader::read(std::span<const std::uint8_t> bytes) {
    return parse(bytes, false);
}

GPIContents GPIReader::readWithPOIs(std::span<const std::uint8_t> bytes) {
    return parse(bytes, true);
}

} // namespace marklode
