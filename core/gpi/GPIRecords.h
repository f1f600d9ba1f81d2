#pragma once

// The records of a file as GPIRecord trees. The writer frames the waypoint-heavy part of a
// file itself for speed; tests hold its output to these trees byte for byte.

#include "core/gpi/GPIEncoding.h"
#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIRecord.h"
#include "core/import/POI.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace marklode::gpirecords {

enum Type : std::uint16_t {
    fileHeader = 0,
    format = 1,
    waypoint = 2,
    alert = 3,
    bitmap = 5,
    area = 8,
    category = 9,
    comment = 10,
    end = 0xFFFF,
};

// Fixed sizes of main parts, without strings.
constexpr std::size_t waypointFixedSize = 4 + 4 + 2 + 1;
constexpr std::size_t alertMainSize = 12;
constexpr std::size_t areaMainSize = 4 * 4 + 4 + 2 + 1;
constexpr std::size_t localizedFraming = 4 + 2 + 2;

// The texts of one file and the settings they are written with.
struct TextStyle {
    GPIEncoding encoding;
    std::array<std::uint8_t, 2> language;
};

std::uint32_t fileTimestamp(double unixSeconds);

GPIRecord fileHeaderRecord(std::uint32_t timestamp, std::string_view creatorName);
GPIRecord formatRecord(GPIEncoding encoding);
GPIRecord endRecord();
GPIRecord bitmapRecord(const GPIIcon& icon, std::uint16_t bitmapId);

// Main-part fields shared by the trees and the writer's direct framing.
void appendWaypointMain(ByteBuffer& into, const POI& poi, const TextStyle& style,
                        std::size_t nameLength);
void appendAlertMain(ByteBuffer& into, const POI& poi);
bool hasCommentRecord(const POI& poi);

struct AreaBounds {
    std::int32_t maxLatitude = INT32_MIN;
    std::int32_t maxLongitude = INT32_MIN;
    std::int32_t minLatitude = INT32_MAX;
    std::int32_t minLongitude = INT32_MAX;
    bool hasAlert = false;

    void add(const POI& poi);
};
void appendAreaMain(ByteBuffer& into, const AreaBounds& bounds);

// These throw GPIWriterError::stringTooLong for texts beyond the 16-bit count.
GPIRecord waypointRecord(const POI& poi, const TextStyle& style);
GPIRecord areaRecord(std::span<const POI* const> pois, const TextStyle& style);
GPIRecord categoryRecord(std::string_view trimmedName, std::span<const POI> pois,
                         const GPIIcon& icon, std::uint16_t bitmapId, const TextStyle& style);

} // namespace marklode::gpirecords
