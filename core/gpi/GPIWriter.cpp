#include "core/gpi/GPIWriter.h"

#include "core/gpi/AreaSplit.h"
#include "core/gpi/GPIRecords.h"
#include "core/gpi/Windows1252.h"

#include <array>
#include <cmath>
#include <random>
#include <stdexcept>

namespace marklode {

namespace rec = gpirecords;

namespace {

constexpr double maxSpeedKmh = 2359.26;
constexpr double maxProximityMeters = 65535;

struct CategoryView {
    std::string_view name;
    std::span<const POI> pois;
    const GPIIcon* icon;
};

bool isWhiteSpaceOrLineBreak(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::string_view trimmed(std::string_view text) {
    std::size_t begin = text.size();
    std::size_t end = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t start = i;
        auto codePoint = decodeNextCodePoint(text, i);
        if (!codePoint)
            ++i; // a stray byte is kept as text
        if (!codePoint || !isWhiteSpaceOrLineBreak(*codePoint)) {
            begin = std::min(begin, start);
            end = i;
        }
    }
    return begin < end ? text.substr(begin, end - begin) : std::string_view();
}

bool within(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

bool validAlertValue(double value, double maximum) {
    return std::isfinite(value) && value >= 0 && value <= maximum;
}

// Trims the names in place; throws the first problem in category order, then POI order.
void validate(std::vector<CategoryView>& categories) {
    for (CategoryView& category : categories) {
        category.name = trimmed(category.name);
        if (category.name.empty())
            throw GPIWriterError::emptyCategoryName();
        for (const POI& poi : category.pois) {
            if (!within(poi.latitude, 90) || !within(poi.longitude, 180))
                throw GPIWriterError::invalidCoordinate(poi.name, poi.latitude, poi.longitude);
            if ((poi.speedKmh && !validAlertValue(*poi.speedKmh, maxSpeedKmh)) ||
                (poi.proximityMeters && !validAlertValue(*poi.proximityMeters, maxProximityMeters)))
                throw GPIWriterError::invalidAlertValue(poi.name);
        }
    }
}

bool isASCII(std::string_view text) {
    unsigned char any = 0;
    for (char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

bool fitsWindows1252(std::string_view text) {
    return isASCII(text) || isWindows1252Encodable(text);
}

// Expects trimmed names.
GPIEncoding chooseEncoding(const std::vector<CategoryView>& categories) {
    for (const CategoryView& category : categories) {
        if (!fitsWindows1252(category.name))
            return GPIEncoding::utf8;
        for (const POI& poi : category.pois)
            if (!fitsWindows1252(poi.name) || (poi.comment && !fitsWindows1252(*poi.comment)))
                return GPIEncoding::utf8;
    }
    return GPIEncoding::windows1252;
}

std::size_t checkedLength(std::string_view text, GPIEncoding encoding) {
    std::size_t length = localizedTextLength(text, encoding);
    if (length > ByteBuffer::maxStringBytes)
        throw GPIWriterError::stringTooLong(std::string(text));
    return length;
}

constexpr std::uint64_t headerSize(bool extended) {
    return extended ? GPIRecord::extendedHeaderSize : GPIRecord::shortHeaderSize;
}

// What the writer needs of one POI besides its texts, worked out in a sequential pass in
// input order so the pass in area order touches as little memory as possible.
struct WaypointPlan {
    std::uint32_t nameLength;
    std::uint32_t commentLength;
    std::uint32_t size; // serialised, with children
    bool hasAlert;
};

std::uint64_t waypointMainLength(std::uint64_t nameLength) {
    return rec::waypointFixedSize + rec::localizedFraming + nameLength;
}

std::uint64_t waypointChildrenLength(const POI& poi, std::uint64_t commentLength) {
    std::uint64_t size = 0;
    if (poi.hasAlert())
        size += GPIRecord::shortHeaderSize + rec::alertMainSize;
    if (rec::hasCommentRecord(poi))
        size += GPIRecord::shortHeaderSize + rec::localizedFraming + commentLength;
    return size;
}

// One category laid out before anything is written: its areas and every length the record
// tree would compute, so the waypoints can be framed straight into the output without
// building a record per waypoint.
struct CategoryPlan {
    std::string_view name;
    std::span<const POI> pois;
    std::size_t nameLength = 0;
    AreaSplit split{};
    std::vector<WaypointPlan> waypoints{}; // by POI index
    std::vector<rec::AreaBounds> bounds{};
    std::vector<std::uint64_t> areaChildrenLengths{};
    GPIRecord bitmap{};
    std::uint64_t mainLength = 0;

    std::uint64_t totalLength() const { return mainLength + bitmap.serializedSize(); }
    std::uint64_t serializedSize() const { return headerSize(true) + totalLength(); }
};

// Reports the text that the record tree would find too long first: the category name, then
// the waypoints' names and comments in area order.
void throwFirstTooLongText(const CategoryPlan& plan, GPIEncoding encoding) {
    checkedLength(plan.name, encoding);
    for (const AreaMember& member : plan.split.members) {
        const POI& poi = plan.pois[member.index];
        checkedLength(poi.name, encoding);
        if (rec::hasCommentRecord(poi))
            checkedLength(*poi.comment, encoding);
    }
}

CategoryPlan planCategory(const CategoryView& category, std::uint16_t index, GPIEncoding encoding) {
    CategoryPlan plan{.name = category.name, .pois = category.pois};
    plan.split = splitIntoAreas(category.pois, GPIWriter::maxWaypointsPerArea);

    bool tooLong = localizedTextLength(category.name, encoding) > ByteBuffer::maxStringBytes;
    plan.waypoints.resize(category.pois.size());
    for (std::size_t i = 0; i < category.pois.size(); ++i) {
        const POI& poi = category.pois[i];
        std::size_t name = localizedTextLength(poi.name, encoding);
        std::size_t comment =
            rec::hasCommentRecord(poi) ? localizedTextLength(*poi.comment, encoding) : 0;
        tooLong =
            tooLong || name > ByteBuffer::maxStringBytes || comment > ByteBuffer::maxStringBytes;
        std::uint64_t children = waypointChildrenLength(poi, comment);
        plan.waypoints[i] = {static_cast<std::uint32_t>(name), static_cast<std::uint32_t>(comment),
                             static_cast<std::uint32_t>(headerSize(children > 0) +
                                                        waypointMainLength(name) + children),
                             poi.hasAlert()};
    }
    if (tooLong)
        throwFirstTooLongText(plan, encoding);

    plan.nameLength = localizedTextLength(category.name, encoding);
    plan.mainLength = rec::localizedFraming + plan.nameLength;
    plan.bounds.resize(plan.split.areaEnds.size());
    plan.areaChildrenLengths.resize(plan.split.areaEnds.size());
    std::uint32_t k = 0;
    for (std::size_t area = 0; area < plan.split.areaEnds.size(); ++area) {
        rec::AreaBounds& bounds = plan.bounds[area];
        std::uint64_t children = 0;
        for (; k < plan.split.areaEnds[area]; ++k) {
            const AreaMember& member = plan.split.members[k];
            bounds.include(rec::semicircles(member.latitude), rec::semicircles(member.longitude));
            const WaypointPlan& waypoint = plan.waypoints[member.index];
            bounds.hasAlert = bounds.hasAlert || waypoint.hasAlert;
            children += waypoint.size;
        }
        plan.areaChildrenLengths[area] = children;
        plan.mainLength += headerSize(true) + rec::areaMainSize + children;
    }
    plan.bitmap = rec::bitmapRecord(category.icon ? *category.icon : GPIIcon::defaultIcon(), index);
    return plan;
}

void writeWaypoint(ByteCursor& out, const POI& poi, const WaypointPlan& plan,
                   const rec::TextStyle& style) {
    std::uint64_t mainLength = waypointMainLength(plan.nameLength);
    std::uint64_t children = waypointChildrenLength(poi, plan.commentLength);
    writeRecordHeader(out, rec::waypoint, children > 0, mainLength + children, mainLength);
    rec::appendWaypointMain(out, poi, style, plan.nameLength);
    if (poi.hasAlert()) {
        writeRecordHeader(out, rec::alert, false, rec::alertMainSize, rec::alertMainSize);
        rec::appendAlertMain(out, poi);
    }
    if (rec::hasCommentRecord(poi)) {
        std::uint64_t length = rec::localizedFraming + plan.commentLength;
        writeRecordHeader(out, rec::comment, false, length, length);
        out.appendLocalizedText(*poi.comment, style.encoding, style.language, plan.commentLength);
    }
}

void prefetch(const void* address) {
    __builtin_prefetch(address);
}

void writeCategory(ByteCursor& out, const CategoryPlan& plan, const rec::TextStyle& style) {
    writeRecordHeader(out, rec::category, true, plan.totalLength(), plan.mainLength);
    out.appendLocalizedText(plan.name, style.encoding, style.language, plan.nameLength);

    // Area order jumps around the POIs, so fetch each POI, and then its texts, ahead of use.
    constexpr std::size_t structAhead = 16;
    constexpr std::size_t textAhead = 8;
    const std::vector<AreaMember>& members = plan.split.members;
    auto poiAt = [&](std::size_t k) -> const POI& { return plan.pois[members[k].index]; };
    std::uint32_t k = 0;
    for (std::size_t area = 0; area < plan.split.areaEnds.size(); ++area) {
        writeRecordHeader(out, rec::area, true, rec::areaMainSize + plan.areaChildrenLengths[area],
                          rec::areaMainSize);
        rec::appendAreaMain(out, plan.bounds[area]);
        for (; k < plan.split.areaEnds[area]; ++k) {
            if (k + structAhead < members.size()) {
                const POI& later = poiAt(k + structAhead);
                prefetch(&later);
                prefetch(reinterpret_cast<const char*>(&later) + 64);
            }
            if (k + textAhead < members.size()) {
                const POI& soon = poiAt(k + textAhead);
                prefetch(soon.name.data());
                if (soon.comment)
                    prefetch(soon.comment->data());
                prefetch(&plan.waypoints[members[k + textAhead].index]);
            }
            writeWaypoint(out, poiAt(k), plan.waypoints[members[k].index], style);
        }
    }
    ByteBuffer bitmap;
    plan.bitmap.write(bitmap);
    out.appendBytes(bitmap.bytes);
}

double unixSeconds(std::optional<GPIWriter::TimePoint> timestamp) {
    GPIWriter::TimePoint time = timestamp.value_or(std::chrono::system_clock::now());
    return std::chrono::duration<double>(time.time_since_epoch()).count();
}

Bytes build(const GPIWriter& writer, std::vector<CategoryView> categories) {
    validate(categories);
    rec::TextStyle style{chooseEncoding(categories), languageBytes(writer.languageCode)};

    GPIRecord header = rec::fileHeaderRecord(rec::fileTimestamp(unixSeconds(writer.timestamp)),
                                             writer.creatorName);
    GPIRecord format = rec::formatRecord(style.encoding);
    GPIRecord end = rec::endRecord();
    std::uint64_t size = header.serializedSize() + format.serializedSize() + end.serializedSize();

    std::vector<CategoryPlan> plans;
    plans.reserve(categories.size());
    for (std::size_t i = 0; i < categories.size(); ++i) {
        plans.push_back(planCategory(categories[i], static_cast<std::uint16_t>(i), style.encoding));
        size += plans.back().serializedSize();
    }

    ByteBuffer head;
    header.write(head);
    format.write(head);
    ByteBuffer tail;
    end.write(tail);

    Bytes file(static_cast<std::size_t>(size));
    ByteCursor out(file.data(), file.data() + file.size());
    out.appendBytes(head.bytes);
    for (const CategoryPlan& plan : plans)
        writeCategory(out, plan, style);
    out.appendBytes(tail.bytes);
    if (!out.atEnd())
        throw std::logic_error("GPI layout and output disagree in size");
    return file;
}

Path temporaryPathBeside(const Path& target, const FileSystem& fileSystem) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    Path candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(6, ' ');
        for (char& c : suffix)
            c = letters[pick(random)];
        candidate =
            target.parent_path() / ("." + target.filename().string() + "." + suffix + ".tmp");
        if (!fileSystem.fileExists(candidate))
            break;
    }
    return candidate;
}

} // namespace

Bytes GPIWriter::data(const std::vector<GPICategory>& categories) const {
    std::vector<CategoryView> views;
    views.reserve(categories.size());
    for (const GPICategory& category : categories)
        views.push_back({category.name, category.pois, category.icon ? &*category.icon : nullptr});
    return build(*this, std::move(views));
}

Bytes GPIWriter::dataFor(const std::vector<POI>& pois) const {
    return build(*this, {{categoryName, pois, icon ? &*icon : nullptr}});
}

void GPIWriter::write(const std::vector<POI>& pois, const Path& path,
                      const FileSystem& fileSystem) const {
    Bytes bytes = dataFor(pois);
    Path temporary = temporaryPathBeside(path, fileSystem);
    try {
        fileSystem.writeAndSync(bytes, temporary);
        fileSystem.rename(temporary, path);
    } catch (...) {
        try {
            if (fileSystem.fileExists(temporary))
                fileSystem.remove(temporary);
        } catch (...) {
            // The original failure is the one worth reporting.
        }
        throw;
    }
}

GPIEncoding GPIWriter::encoding(const std::vector<GPICategory>& categories) {
    std::vector<CategoryView> views;
    views.reserve(categories.size());
    for (const GPICategory& category : categories)
        views.push_back({trimmed(category.name), category.pois, nullptr});
    return chooseEncoding(views);
}

GPIEncoding GPIWriter::encodingFor(const std::vector<POI>& pois) const {
    return chooseEncoding({{trimmed(categoryName), pois, nullptr}});
}

std::int32_t GPIWriter::semicircles(double degrees) {
    return gpirecords::semicircles(degrees);
}

} // namespace marklode
