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

struct WaypointLengths {
    std::uint16_t name;
    std::uint16_t comment;
};

std::uint64_t waypointMainLength(WaypointLengths lengths) {
    return rec::waypointFixedSize + rec::localizedFraming + lengths.name;
}

std::uint64_t waypointChildrenLength(const POI& poi, WaypointLengths lengths) {
    std::uint64_t size = 0;
    if (poi.hasAlert())
        size += GPIRecord::shortHeaderSize + rec::alertMainSize;
    if (rec::hasCommentRecord(poi))
        size += GPIRecord::shortHeaderSize + rec::localizedFraming + lengths.comment;
    return size;
}

// One category laid out before anything is written: its areas, every length the record tree
// would compute, and the encoded text lengths, so the waypoints can be framed straight into
// the output without building a record per waypoint.
struct CategoryPlan {
    std::string_view name;
    std::span<const POI> pois;
    std::size_t nameLength = 0;
    AreaSplit split{};
    std::vector<rec::AreaBounds> bounds{};
    std::vector<std::uint64_t> areaChildrenLengths{};
    std::vector<WaypointLengths> textLengths{}; // in area order
    GPIRecord bitmap{};
    std::uint64_t mainLength = 0;

    std::uint64_t totalLength() const { return mainLength + bitmap.serializedSize(); }
    std::uint64_t serializedSize() const { return headerSize(true) + totalLength(); }
};

// Goes through the texts in the order they are written, so the first one that is too long is
// the one reported.
CategoryPlan planCategory(const CategoryView& category, std::uint16_t index, GPIEncoding encoding) {
    CategoryPlan plan{.name = category.name, .pois = category.pois};
    plan.nameLength = checkedLength(category.name, encoding);
    plan.split = splitIntoAreas(category.pois, GPIWriter::maxWaypointsPerArea);
    plan.bounds.resize(plan.split.areaEnds.size());
    plan.areaChildrenLengths.resize(plan.split.areaEnds.size());
    plan.textLengths.resize(category.pois.size());
    plan.mainLength = rec::localizedFraming + plan.nameLength;

    std::uint32_t k = 0;
    for (std::size_t area = 0; area < plan.split.areaEnds.size(); ++area) {
        std::uint64_t children = 0;
        for (; k < plan.split.areaEnds[area]; ++k) {
            const POI& poi = category.pois[plan.split.order[k]];
            WaypointLengths lengths{static_cast<std::uint16_t>(checkedLength(poi.name, encoding)),
                                    0};
            if (rec::hasCommentRecord(poi))
                lengths.comment = static_cast<std::uint16_t>(checkedLength(*poi.comment, encoding));
            plan.textLengths[k] = lengths;
            plan.bounds[area].add(poi);
            std::uint64_t below = waypointChildrenLength(poi, lengths);
            children += headerSize(below > 0) + waypointMainLength(lengths) + below;
        }
        plan.areaChildrenLengths[area] = children;
        plan.mainLength += headerSize(true) + rec::areaMainSize + children;
    }
    plan.bitmap = rec::bitmapRecord(category.icon ? *category.icon : GPIIcon::defaultIcon(), index);
    return plan;
}

void writeWaypoint(ByteBuffer& out, const POI& poi, WaypointLengths lengths,
                   const rec::TextStyle& style) {
    std::uint64_t mainLength = waypointMainLength(lengths);
    std::uint64_t children = waypointChildrenLength(poi, lengths);
    writeRecordHeader(out, rec::waypoint, children > 0, mainLength + children, mainLength);
    rec::appendWaypointMain(out, poi, style, lengths.name);
    if (poi.hasAlert()) {
        writeRecordHeader(out, rec::alert, false, rec::alertMainSize, rec::alertMainSize);
        rec::appendAlertMain(out, poi);
    }
    if (rec::hasCommentRecord(poi)) {
        std::uint64_t length = rec::localizedFraming + lengths.comment;
        writeRecordHeader(out, rec::comment, false, length, length);
        out.appendLocalizedText(*poi.comment, style.encoding, style.language, lengths.comment);
    }
}

void writeCategory(ByteBuffer& out, const CategoryPlan& plan, const rec::TextStyle& style) {
    writeRecordHeader(out, rec::category, true, plan.totalLength(), plan.mainLength);
    out.appendLocalizedText(plan.name, style.encoding, style.language, plan.nameLength);
    std::uint32_t k = 0;
    for (std::size_t area = 0; area < plan.split.areaEnds.size(); ++area) {
        writeRecordHeader(out, rec::area, true, rec::areaMainSize + plan.areaChildrenLengths[area],
                          rec::areaMainSize);
        rec::appendAreaMain(out, plan.bounds[area]);
        for (; k < plan.split.areaEnds[area]; ++k)
            writeWaypoint(out, plan.pois[plan.split.order[k]], plan.textLengths[k], style);
    }
    plan.bitmap.write(out);
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

    ByteBuffer out;
    out.bytes.reserve(static_cast<std::size_t>(size));
    header.write(out);
    format.write(out);
    for (const CategoryPlan& plan : plans)
        writeCategory(out, plan, style);
    end.write(out);
    if (out.size() != size)
        throw std::logic_error("GPI layout and output disagree in size");
    return std::move(out.bytes);
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
    if (std::isnan(degrees))
        return 0;
    double units = std::round(degrees * 2147483648.0 / 180.0);
    if (units >= 2147483647.0)
        return INT32_MAX;
    if (units <= -2147483648.0)
        return INT32_MIN;
    return static_cast<std::int32_t>(units);
}

} // namespace marklode
