#pragma once

// The records of a file, as GPIRecord trees where the writer builds them so, and the main parts
// the writer frames itself.

#include "core/gpi/GPIEncoding.h"
#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIRecord.h"
#include "core/import/POIStore.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
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
    address = 11,
    contact = 12,
    end = 0xFFFF,
};

// Fixed sizes of main parts, without strings.
constexpr std::size_t waypointFixedSize = 4 + 4 + 2 + 1;
constexpr std::size_t alertMainSize = 12;
constexpr std::size_t areaMainSize = 4 * 4 + 4 + 2 + 1;
constexpr std::size_t localizedFraming = 4 + 2 + 2;
constexpr std::size_t plainFraming = 2;
// Address and contact records start with a mask of the fields that follow it.
constexpr std::size_t fieldMaskSize = 2;

// The address fields in the order an address record holds them, each with its mask bit.
struct AddressField {
    std::uint16_t bit;
    bool languageTagged; // else a plain string
    std::string Address::*part;
};
inline constexpr AddressField addressFields[] = {
    {0x01, true, &Address::city},   {0x02, true, &Address::country},
    {0x04, true, &Address::region}, {0x08, false, &Address::postalCode},
    {0x10, true, &Address::street},
};
constexpr std::uint16_t phoneBit = 0x0001;

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
template <typename Sink>
void appendWaypointMain(LittleEndianAppends<Sink>& into, const POIView& poi, const TextStyle& style,
                        std::size_t nameLength);
template <typename Sink> void appendAlertMain(LittleEndianAppends<Sink>& into, const POIView& poi);
bool hasCommentRecord(const POIView& poi);
// Whether the POI has an address or a phone number, written as records of their own.
inline bool hasDetailRecords(const POIView& poi) {
    return poi.details && (!poi.details->address.isEmpty() || !poi.details->phone.empty());
}

// The serialised size of a POI's address and contact records, with each text stored in
// `length(text)` bytes.
template <typename Length> std::uint64_t detailRecordsSize(const POIView& poi, Length length);
// Writes them; their texts were checked against the 16-bit limit.
template <typename Sink>
void appendDetailRecords(LittleEndianAppends<Sink>& into, const POIView& poi,
                         const TextStyle& style);

struct AreaBounds {
    std::int32_t maxLatitude = INT32_MIN;
    std::int32_t maxLongitude = INT32_MIN;
    std::int32_t minLatitude = INT32_MAX;
    std::int32_t minLongitude = INT32_MAX;
    bool hasAlert = false;

    void add(const POIView& poi);
    void include(std::int32_t latitude, std::int32_t longitude);
};
template <typename Sink>
void appendAreaMain(LittleEndianAppends<Sink>& into, const AreaBounds& bounds);

// Throws GPIWriterError::categoryTooLarge when the bytes after a category record's header,
// which include its main part, exceed GPIWriter::maxCategoryLength.
void checkCategoryLength(std::string_view trimmedName, std::uint64_t totalLength);

// GPIWriter::semicircles, inline for the per-waypoint path.
inline std::int32_t semicircles(double degrees) {
    if (std::isnan(degrees))
        return 0;
    double units = std::round(degrees * 2147483648.0 / 180.0);
    if (units >= 2147483647.0)
        return INT32_MAX;
    if (units <= -2147483648.0)
        return INT32_MIN;
    return static_cast<std::int32_t>(units);
}

template <typename Sink>
void appendWaypointMain(LittleEndianAppends<Sink>& into, const POIView& poi, const TextStyle& style,
                        std::size_t nameLength) {
    into.appendInt32(semicircles(poi.latitude));
    into.appendInt32(semicircles(poi.longitude));
    into.appendUInt16(1);
    into.appendUInt8(poi.hasAlert() ? 1 : 0);
    into.appendLocalizedText(poi.name, style.encoding, style.language, nameLength);
}

template <typename Sink> void appendAlertMain(LittleEndianAppends<Sink>& into, const POIView& poi) {
    // Validation bounds both values to 0...65535 before they are truncated.
    double proximity = poi.proximityMeters.value_or(0);
    double speed = poi.speedKmh ? std::min(*poi.speedKmh * 1000 / 36, 65535.0) : 0;
    into.appendUInt16(static_cast<std::uint16_t>(proximity));
    into.appendUInt16(static_cast<std::uint16_t>(speed));
    into.appendUInt16(0x0100);
    into.appendUInt16(0x0010);
    into.appendUInt8(1);
    into.appendUInt8(1);
    into.appendUInt8(5);
    into.appendUInt8(0x10);
}

template <typename Sink>
void appendAreaMain(LittleEndianAppends<Sink>& into, const AreaBounds& bounds) {
    into.appendInt32(bounds.maxLatitude);
    into.appendInt32(bounds.maxLongitude);
    into.appendInt32(bounds.minLatitude);
    into.appendInt32(bounds.minLongitude);
    into.appendUInt32(0);
    into.appendUInt16(1);
    into.appendUInt8(bounds.hasAlert ? 1 : 0);
}

template <typename Length> std::uint64_t detailRecordsSize(const POIView& poi, Length length) {
    std::uint64_t size = 0;
    const Address& parts = poi.address();
    if (!parts.isEmpty()) {
        size += GPIRecord::extendedHeaderSize + fieldMaskSize;
        for (const AddressField& field : addressFields)
            if (const std::string& text = parts.*field.part; !text.empty())
                size += (field.languageTagged ? localizedFraming : plainFraming) + length(text);
    }
    if (!poi.phone().empty())
        size += GPIRecord::extendedHeaderSize + fieldMaskSize + plainFraming + length(poi.phone());
    return size;
}

template <typename Sink>
void appendDetailRecords(LittleEndianAppends<Sink>& into, const POIView& poi,
                         const TextStyle& style) {
    auto length = [&](std::string_view text) { return localizedTextLength(text, style.encoding); };
    const Address& parts = poi.address();
    if (!parts.isEmpty()) {
        std::uint16_t mask = 0;
        std::uint64_t fieldsLength = 0;
        for (const AddressField& field : addressFields) {
            if (const std::string& text = parts.*field.part; !text.empty()) {
                mask |= field.bit;
                fieldsLength +=
                    (field.languageTagged ? localizedFraming : plainFraming) + length(text);
            }
        }
        writeRecordHeader(into, address, true, fieldMaskSize + fieldsLength, fieldMaskSize);
        into.appendUInt16(mask);
        for (const AddressField& field : addressFields) {
            const std::string& text = parts.*field.part;
            if (text.empty())
                continue;
            if (field.languageTagged)
                into.appendLocalizedText(text, style.encoding, style.language, length(text));
            else
                into.appendPlainText(text, style.encoding, length(text));
        }
    }
    if (const std::string& phone = poi.phone(); !phone.empty()) {
        std::uint64_t phoneLength = length(phone);
        std::uint64_t total = fieldMaskSize + plainFraming + phoneLength;
        writeRecordHeader(into, contact, true, total, fieldMaskSize);
        into.appendUInt16(phoneBit);
        into.appendPlainText(phone, style.encoding, phoneLength);
    }
}

} // namespace marklode::gpirecords
