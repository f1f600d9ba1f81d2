#include "core/import/CSVRowParser.h"

#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace marklode::csv {

namespace {

std::string quoted(std::string_view field) {
    std::string out;
    out.reserve(field.size() + 2);
    out += '"';
    out += field;
    out += '"';
    return out;
}

// The field as a number of degrees within ±limit; nothing for anything else, NaN included.
std::optional<double> coordinate(std::string_view field, double limit) {
    std::optional<double> degrees = parseNumber(field);
    if (degrees && std::fabs(*degrees) <= limit)
        return degrees;
    return std::nullopt;
}

// What a POI of `found` per `consumed` bytes projects for `total` bytes, with a little to spare,
// but never more than 16 times what was found: a uniform file reaches its size in a few steps
// that move little, and an untypical start cannot claim room out of proportion.
std::size_t projected(std::size_t found, std::size_t consumed, std::size_t total,
                      std::size_t smallest) {
    constexpr std::size_t growthCap = 16;
    double perByte = static_cast<double>(found) / static_cast<double>(consumed);
    double wanted = perByte * static_cast<double>(total) * 1.02 + 16;
    std::size_t most = std::max(found * growthCap, smallest);
    return wanted >= static_cast<double>(most) ? most : static_cast<std::size_t>(wanted);
}

} // namespace

void RowParser::continueAfter(const RowParser& start) {
    map = start.map;
    needed = start.needed;
    hasDetails = start.hasDetails;
    seenRow = start.seenRow;
}

void RowParser::operator()(std::int64_t line, std::span<const std::string_view> fields,
                           std::size_t end) {
    consumed = end;
    if (trimmedRoom.size() < fields.size())
        trimmedRoom.resize(fields.size());
    bool blank = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view t = trimWhitespace(fields[i]);
        blank = blank && t.empty();
        trimmedRoom[i] = t;
    }
    trimmed = std::span<const std::string_view>(trimmedRoom.data(), fields.size());
    if (blank)
        return;
    if (!seenRow) {
        seenRow = true;
        if (trimmed.size() != 1 && !parseNumber(trimmed[0]) && !parseNumber(trimmed[1])) {
            if (auto header = CSVImporter::readHeader(trimmed)) {
                map = *header;
                needed = std::max({map.longitude, map.latitude, map.name}) + 1;
                hasDetails = map.hasDetails();
                return;
            }
        }
    }
    parseData(line);
}

void RowParser::issue(std::int64_t line, const char* reason, std::vector<std::string> arguments) {
    result.issues.push_back(ImportIssue::because(line, reason, std::move(arguments)));
}

void RowParser::parseData(std::int64_t line) {
    if (trimmed.size() < needed) {
        issue(line, QT_TRANSLATE_NOOP("ImportIssue", "Expected at least %1 fields, found %2."),
              {std::to_string(needed), std::to_string(trimmed.size())});
        return;
    }
    std::optional<double> longitude = coordinate(trimmed[map.longitude], 180);
    if (!longitude) {
        issue(line, QT_TRANSLATE_NOOP("ImportIssue", "Invalid longitude %1."),
              {quoted(trimmed[map.longitude])});
        return;
    }
    std::optional<double> latitude = coordinate(trimmed[map.latitude], 90);
    if (!latitude) {
        issue(line, QT_TRANSLATE_NOOP("ImportIssue", "Invalid latitude %1."),
              {quoted(trimmed[map.latitude])});
        return;
    }
    std::string_view name = trimmed[map.name];
    std::optional<double> speed;
    // The name is trimmed, so a speed suffix would end it in a digit.
    const bool digitLast = !name.empty() && name.back() >= '0' && name.back() <= '9';
    if (auto split = digitLast ? CSVImporter::parseSpeedSuffix(name) : std::nullopt) {
        name = split->name;
        speed = speedUnit == SpeedUnit::milesPerHour ? split->speed * kmhPerMph : split->speed;
    }
    if (name.empty()) {
        issue(line, QT_TRANSLATE_NOOP("ImportIssue", "Missing name."));
        return;
    }
    std::optional<std::string_view> comment;
    if (map.comment && *map.comment < trimmed.size()) {
        std::string_view text = trimWhitespaceAndNewlines(trimmed[*map.comment]);
        if (!text.empty())
            comment = text;
    }
    const std::size_t textsWanted = textBytes + name.size() + (comment ? comment->size() : 0);
    if (result.pois.size() == result.pois.capacity() || textsWanted > textRoom)
        reserveMore(textsWanted);
    textBytes = textsWanted;
    if (hasDetails) {
        const POIDetails more = details();
        result.pois.add(*latitude, *longitude, name, comment, speed, std::nullopt, &more);
    } else {
        result.pois.add(*latitude, *longitude, name, comment, speed);
    }
}

POIDetails RowParser::details() const {
    return POIDetails{std::string(detail(map.category)),
                      Address{std::string(detail(map.street)), std::string(detail(map.city)),
                              std::string(detail(map.region)), std::string(detail(map.postalCode)),
                              std::string(detail(map.country))},
                      std::string(detail(map.phone))};
}

// Rows may be shorter than the header; a missing field is an empty one.
std::string_view RowParser::detail(std::optional<std::size_t> column) const {
    if (!column || *column >= trimmed.size())
        return {};
    return trimWhitespaceAndNewlines(trimmed[*column]);
}

// Room for POIs and their texts is projected from the rate at which the text has yielded them so
// far; rows that yield nothing (blank lines) reserve nothing. Texts never outgrow the text they
// are cut from, so their room is capped by what is left of it.
void RowParser::reserveMore(std::size_t textsWanted) {
    std::size_t found = result.pois.size();
    std::size_t pois = result.pois.capacity();
    if (found == pois)
        pois = std::max(projected(found + 1, consumed, textSize, 4096), found * 2);
    if (textsWanted > textRoom) {
        std::size_t most = textsWanted + (textSize - consumed);
        textRoom = std::min(
            std::max(projected(textsWanted, consumed, textSize, 65536), textRoom * 2), most);
    }
    result.pois.reserve(pois, textRoom);
}

} // namespace marklode::csv
