#include "core/gpi/GPIRecords.h"

#include "core/gpi/GPIWriter.h"
#include "core/gpi/GPIWriterError.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace marklode::gpirecords {

namespace {

constexpr double secondsFrom1970To1990 = 631065600;
constexpr std::uint32_t transparentMagenta = 0x00FF00FF;
constexpr std::uint32_t bitmapDataOffset = 44;
constexpr std::size_t paletteCapacity = 256;

void appendBitmapHeader(ByteBuffer& into, const GPIIcon& icon, std::uint16_t bitmapId,
                        bool palette) {
    auto width = static_cast<std::uint16_t>(icon.width());
    auto height = static_cast<std::uint16_t>(icon.height());
    std::uint32_t bytesPerPixel = palette ? 1 : 4;
    std::uint32_t imageSize = std::uint32_t{width} * height * bytesPerPixel;
    into.appendUInt16(bitmapId);
    into.appendUInt16(height);
    into.appendUInt16(width);
    into.appendUInt16(static_cast<std::uint16_t>(width * bytesPerPixel));
    into.appendUInt16(palette ? 8 : 32);
    into.appendUInt16(0);
    into.appendUInt32(imageSize);
    into.appendUInt32(bitmapDataOffset);
    into.appendUInt32(palette ? paletteCapacity : 0);
    into.appendUInt32(transparentMagenta);
    into.appendUInt32(1);
    into.appendUInt32(imageSize + bitmapDataOffset);
}

} // namespace

std::uint32_t fileTimestamp(double unixSeconds) {
    double seconds = unixSeconds - secondsFrom1970To1990;
    if (!(seconds > 0))
        return 0;
    if (seconds >= 4294967295.0)
        return 4294967295u;
    return static_cast<std::uint32_t>(seconds);
}

GPIRecord fileHeaderRecord(std::uint32_t timestamp, std::string_view creatorName) {
    GPIRecord record{.type = fileHeader};
    record.main.appendBytes("GRMREC00");
    record.main.appendUInt32(timestamp);
    record.main.appendUInt16(0);
    record.main.appendString(creatorName);
    return record;
}

GPIRecord formatRecord(GPIEncoding encoding) {
    GPIRecord record{.type = format};
    record.main.appendBytes("POI");
    record.main.appendUInt8(0);
    record.main.appendUInt16(0);
    record.main.appendBytes("00");
    record.main.appendUInt16(codePage(encoding));
    record.main.appendUInt16(0);
    return record;
}

GPIRecord endRecord() {
    return GPIRecord{.type = end};
}

GPIRecord bitmapRecord(const GPIIcon& icon, std::uint16_t bitmapId) {
    const std::vector<std::uint8_t>& bgr = icon.pixelsBGR();
    std::size_t pixelCount = bgr.size() / 3;
    GPIRecord record{.type = bitmap};

    // Colours as blue | green << 8 | red << 16, the byte order of a palette entry.
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    bool usePalette = icon.usesPalette();
    if (usePalette) {
        indices.reserve(pixelCount);
        for (std::size_t p = 0; p < pixelCount && usePalette; ++p) {
            std::uint32_t colour = bgr[3 * p] | bgr[3 * p + 1] << 8 | bgr[3 * p + 2] << 16;
            auto found = std::find(palette.begin(), palette.end(), colour);
            if (found == palette.end()) {
                if (palette.size() == paletteCapacity) {
                    usePalette = false;
                    break;
                }
                found = palette.insert(palette.end(), colour);
            }
            indices.push_back(static_cast<std::uint8_t>(found - palette.begin()));
        }
    }

    appendBitmapHeader(record.main, icon, bitmapId, usePalette);
    if (usePalette) {
        record.main.appendBytes(indices);
        palette.resize(paletteCapacity, 0);
        for (std::uint32_t colour : palette)
            record.main.appendUInt32(colour);
    } else {
        for (std::size_t p = 0; p < pixelCount; ++p) {
            record.main.appendBytes(std::span(bgr).subspan(3 * p, 3));
            record.main.appendUInt8(0);
        }
    }
    return record;
}

void checkCategoryLength(std::string_view trimmedName, std::uint64_t totalLength) {
    if (totalLength > GPIWriter::maxCategoryLength)
        throw GPIWriterError::categoryTooLarge(std::string(trimmedName), totalLength);
}

bool hasCommentRecord(const POIView& poi) {
    return poi.comment && !poi.comment->empty();
}

void AreaBounds::add(const POIView& poi) {
    include(semicircles(poi.latitude), semicircles(poi.longitude));
    hasAlert = hasAlert || poi.hasAlert();
}

void AreaBounds::include(std::int32_t latitude, std::int32_t longitude) {
    maxLatitude = std::max(maxLatitude, latitude);
    maxLongitude = std::max(maxLongitude, longitude);
    minLatitude = std::min(minLatitude, latitude);
    minLongitude = std::min(minLongitude, longitude);
}

} // namespace marklode::gpirecords
