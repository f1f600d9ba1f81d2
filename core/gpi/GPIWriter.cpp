#include "core/gpi/GPIWriter.h"

#include "core/gpi/AreaSplit.h"
#include "core/gpi/GPIRecords.h"
#include "core/gpi/TextLengths.h"
#include "core/gpi/TwoThreads.h"
#include "core/io/AtomicWrite.h"
#include "core/text/TextClasses.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace marklode {

namespace rec = gpirecords;

namespace {

constexpr double maxSpeedKmh = 2359.26;
constexpr double maxProximityMeters = 65535;

struct CategoryView {
    std::string_view name;
    const POIStore& pois;
    const GPIIcon* icon;
};

// Category names are written without surrounding white space and line breaks.
std::string_view trimmed(std::string_view text) {
    return trimWhitespaceAndNewlines(text);
}

bool within(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

bool validAlertValue(double value, double maximum) {
    return std::isfinite(value) && value >= 0 && value <= maximum;
}

bool fitsWindows1252(std::string_view text) {
    return isASCII(text) || isWindows1252Encodable(text);
}

bool detailsFitWindows1252(const POIView& poi) {
    if (!poi.details)
        return true;
    for (const rec::AddressField& field : rec::addressFields)
        if (!fitsWindows1252(poi.address().*field.part))
            return false;
    return fitsWindows1252(poi.phone());
}

// Expects trimmed names.
GPIEncoding chooseEncoding(const std::vector<CategoryView>& categories) {
    for (const CategoryView& category : categories) {
        if (!fitsWindows1252(category.name))
            return GPIEncoding::utf8;
        for (const POIView& poi : category.pois)
            if (!fitsWindows1252(poi.name) || (poi.comment && !fitsWindows1252(*poi.comment)) ||
                !detailsFitWindows1252(poi))
                return GPIEncoding::utf8;
    }
    return GPIEncoding::windows1252;
}

constexpr std::uint64_t headerSize(bool extended) {
    return extended ? GPIRecord::extendedHeaderSize : GPIRecord::shortHeaderSize;
}

// What the passes in area order need of a waypoint besides the POI itself, carried in its
// area member so that those passes read the members in sequence: the serialised size of the
// waypoint record in the low bits, its alert flag in the top bit, and below it whether it has
// address or contact records. Those waypoints are rare; they are written from the POI alone.
constexpr std::uint32_t alertBit = 0x80000000u;
constexpr std::uint32_t detailBit = 0x40000000u;
constexpr std::uint32_t flagBits = alertBit | detailBit;

struct WaypointShape {
    std::uint64_t nameLength;
    std::uint64_t commentLength; // 0 when no comment record is written
    bool hasAlert;
};

std::uint64_t waypointMainLength(std::uint64_t nameLength) {
    return rec::waypointFixedSize + rec::localizedFraming + nameLength;
}

std::uint64_t waypointChildrenLength(bool hasAlert, std::uint64_t commentLength) {
    std::uint64_t size = 0;
    if (hasAlert)
        size += GPIRecord::shortHeaderSize + rec::alertMainSize;
    if (commentLength > 0)
        size += GPIRecord::shortHeaderSize + rec::localizedFraming + commentLength;
    return size;
}

std::uint64_t waypointSize(const WaypointShape& shape) {
    std::uint64_t children = waypointChildrenLength(shape.hasAlert, shape.commentLength);
    return headerSize(children > 0) + waypointMainLength(shape.nameLength) + children;
}

// Sizes of texts within the 16-bit limit stay far below the flag bits; larger ones are caught
// by the length check before the payload is used.
std::uint32_t payloadOf(const WaypointShape& shape) {
    std::uint64_t size = std::min<std::uint64_t>(waypointSize(shape), detailBit - 1);
    return static_cast<std::uint32_t>(size) | (shape.hasAlert ? alertBit : 0);
}

// The details are children, so the waypoint's header is always the extended one.
std::uint32_t payloadWithDetails(const WaypointShape& shape, std::uint64_t detailsSize) {
    std::uint64_t size = headerSize(true) + waypointMainLength(shape.nameLength) +
                         waypointChildrenLength(shape.hasAlert, shape.commentLength) + detailsSize;
    size = std::min<std::uint64_t>(size, detailBit - 1);
    return static_cast<std::uint32_t>(size) | (shape.hasAlert ? alertBit : 0) | detailBit;
}

// Out of line, as few POIs have details. `length` gives a text's stored length.
template <typename Length>
[[gnu::noinline]] std::uint32_t detailedPayload(const POIView& poi, const WaypointShape& shape,
                                                Length length, bool& tooLong) {
    std::uint64_t detailsSize = rec::detailRecordsSize(poi, [&](std::string_view text) {
        std::uint64_t textLength = length(text);
        tooLong = tooLong || textLength > ByteBuffer::maxStringBytes;
        return textLength;
    });
    return payloadWithDetails(shape, detailsSize);
}

std::uint64_t sizeOf(std::uint32_t payload) {
    return payload & ~flagBits;
}

bool hasAlertIn(std::uint32_t payload) {
    return (payload & alertBit) != 0;
}

// The comment length follows from the record size once the name length is known.
std::uint64_t commentLengthOf(std::uint32_t payload, std::uint64_t nameLength) {
    std::uint64_t fixed =
        GPIRecord::extendedHeaderSize + waypointMainLength(nameLength) +
        (hasAlertIn(payload) ? GPIRecord::shortHeaderSize + rec::alertMainSize : 0);
    std::uint64_t size = sizeOf(payload);
    if (size <= fixed)
        return 0;
    return size - fixed - GPIRecord::shortHeaderSize - rec::localizedFraming;
}

// One category laid out before anything is written: its areas and every length the record
// tree would compute, so the waypoints can be framed straight into the output without
// building a record per waypoint.
struct CategoryPlan {
    std::string_view name;
    const POIStore& pois;
    const GPIIcon* icon = nullptr;
    std::size_t nameLength = 0;
    std::vector<AreaMember> members{}; // input order until split
    AreaSplit split{};
    bool tooLong = false; // some text exceeds the 16-bit limit
    std::vector<std::uint64_t> areaChildrenLengths{};
    GPIRecord bitmap{};
    std::uint64_t mainLength = 0;

    std::uint64_t totalLength() const { return mainLength + bitmap.serializedSize(); }
    std::uint64_t serializedSize() const { return headerSize(true) + totalLength(); }
    // The category's header and name, before its areas.
    std::uint64_t headSize() const { return headerSize(true) + rec::localizedFraming + nameLength; }
    std::uint64_t areaSize(std::size_t area) const {
        return headerSize(true) + rec::areaMainSize + areaChildrenLengths[area];
    }
};

// What gathering a run of POIs found besides their members.
struct GatherState {
    bool windows1252 = true; // every text measured so far has a lossless Windows-1252 form
    bool tooLong = false;
};

// Validates the POIs [from, to) in order and fills their members. Lengths are Windows-1252
// lengths while that holds, else 0.
void gatherPOIs(const CategoryPlan& plan, bool asciiTexts, std::size_t from, std::size_t to,
                AreaMember* members, GatherState& state) {
    auto measure = [&](std::string_view text) -> std::uint32_t {
        if (!state.windows1252)
            return 0;
        auto length = windows1252Measure(text);
        state.windows1252 = length.has_value();
        return static_cast<std::uint32_t>(std::min<std::size_t>(length.value_or(0), UINT32_MAX));
    };
    // One look at all names and comments at once spares measuring them one by one.
    auto measurePOIText = [&](std::string_view text) -> std::uint32_t {
        if (asciiTexts)
            return static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), UINT32_MAX));
        return measure(text);
    };
    for (std::size_t i = from; i < to; ++i) {
        const POIView& poi = plan.pois[i];
        if (!within(poi.latitude, 90) || !within(poi.longitude, 180))
            throw GPIWriterError::invalidCoordinate(std::string(poi.name), poi.latitude,
                                                    poi.longitude);
        if ((poi.speedKmh && !validAlertValue(*poi.speedKmh, maxSpeedKmh)) ||
            (poi.proximityMeters && !validAlertValue(*poi.proximityMeters, maxProximityMeters)))
            throw GPIWriterError::invalidAlertValue(std::string(poi.name));
        std::uint32_t name = measurePOIText(poi.name);
        std::uint32_t comment = rec::hasCommentRecord(poi) ? measurePOIText(*poi.comment) : 0;
        state.tooLong = state.tooLong || name > ByteBuffer::maxStringBytes ||
                        comment > ByteBuffer::maxStringBytes;
        WaypointShape shape{name, comment, poi.hasAlert()};
        std::uint32_t payload = payloadOf(shape);
        if (rec::hasDetailRecords(poi)) [[unlikely]]
            payload = detailedPayload(poi, shape, measure, state.tooLong);
        members[i] = {poi.latitude, poi.longitude, static_cast<std::uint32_t>(i), payload};
    }
}

// Validates in reporting order (category name, then its POIs, category by category), and
// gathers per POI what the later passes need. Returns whether every text has a lossless
// Windows-1252 form; the lengths are Windows-1252 lengths while that holds. A large category is
// gathered in two halves at once; the first half's fault is reported first, as in one pass.
bool gatherCategories(std::vector<CategoryPlan>& plans) {
    bool windows1252 = true;
    for (CategoryPlan& plan : plans) {
        plan.name = trimmed(plan.name);
        if (plan.name.empty())
            throw GPIWriterError::emptyCategoryName();
        if (windows1252) {
            auto length = windows1252Measure(plan.name);
            windows1252 = length.has_value();
            plan.tooLong = length.value_or(0) > ByteBuffer::maxStringBytes;
        }
        const bool asciiTexts = isAllASCII(plan.pois.texts());
        const std::size_t n = plan.pois.size();
        const std::size_t half = n / 2;
        plan.members.resize(n);
        GatherState first{windows1252}, second{windows1252};
        runBoth(
            n >= GPIWriter::parallelFromPOIs,
            [&] { gatherPOIs(plan, asciiTexts, 0, half, plan.members.data(), first); },
            [&] { gatherPOIs(plan, asciiTexts, half, n, plan.members.data(), second); });
        windows1252 = first.windows1252 && second.windows1252;
        plan.tooLong = plan.tooLong || first.tooLong || second.tooLong;
    }
    return windows1252;
}

void useUTF8Lengths(CategoryPlan& plan) {
    plan.tooLong = plan.name.size() > ByteBuffer::maxStringBytes;
    for (AreaMember& member : plan.members) {
        const POIView& poi = plan.pois[member.index];
        std::size_t comment = rec::hasCommentRecord(poi) ? poi.comment->size() : 0;
        plan.tooLong = plan.tooLong || poi.name.size() > ByteBuffer::maxStringBytes ||
                       comment > ByteBuffer::maxStringBytes;
        WaypointShape shape{poi.name.size(), comment, poi.hasAlert()};
        member.payload = payloadOf(shape);
        if (rec::hasDetailRecords(poi)) [[unlikely]]
            member.payload = detailedPayload(
                poi, shape, [](std::string_view text) { return text.size(); }, plan.tooLong);
    }
}

// Reports the text that the record tree would find too long first: the category name, then
// the waypoints' texts in area order, each waypoint's in the order they are written.
void checkTextLengths(const CategoryPlan& plan, GPIEncoding encoding) {
    if (!plan.tooLong)
        return;
    checkedTextLength(plan.name, encoding);
    for (const AreaMember& member : plan.split.members) {
        const POIView& poi = plan.pois[member.index];
        checkedTextLength(poi.name, encoding);
        if (rec::hasCommentRecord(poi))
            checkedTextLength(*poi.comment, encoding);
        if (!rec::hasDetailRecords(poi))
            continue;
        for (const rec::AddressField& field : rec::addressFields)
            checkedTextLength(poi.address().*field.part, encoding);
        checkedTextLength(poi.phone(), encoding);
    }
}

void prefetch(const void* address) {
    __builtin_prefetch(address);
}

// Areas are bounded when they are written, on the thread that writes them; only their sizes
// are needed up front.
void layOutCategory(CategoryPlan& plan, std::uint16_t index, GPIEncoding encoding) {
    plan.nameLength = localizedTextLength(plan.name, encoding);
    plan.split = splitIntoAreas(std::move(plan.members), GPIWriter::maxWaypointsPerArea,
                                plan.pois.size() >= GPIWriter::parallelFromPOIs);
    checkTextLengths(plan, encoding);

    plan.mainLength = rec::localizedFraming + plan.nameLength;
    plan.areaChildrenLengths.resize(plan.split.areaEnds.size());
    const std::vector<AreaMember>& members = plan.split.members;
    std::uint32_t k = 0;
    for (std::size_t area = 0; area < plan.split.areaEnds.size(); ++area) {
        std::uint64_t children = 0;
        for (; k < plan.split.areaEnds[area]; ++k)
            children += sizeOf(members[k].payload);
        plan.areaChildrenLengths[area] = children;
        plan.mainLength += plan.areaSize(area);
    }
    plan.bitmap = rec::bitmapRecord(plan.icon ? *plan.icon : GPIIcon::defaultIcon(), index);
    rec::checkCategoryLength(plan.name, plan.totalLength());
}

// For the few waypoints with address or contact records: lengths worked out from the POI alone,
// the record built in a buffer of its own. Out of line and on its own instantiations, so that
// the common path below compiles as it would without it.
[[gnu::noinline]] void writeDetailedWaypoint(ByteCursor& out, const POIView& poi,
                                             const rec::TextStyle& style) {
    ByteBuffer main;
    rec::appendWaypointMain(main, poi, style, localizedTextLength(poi.name, style.encoding));
    ByteBuffer children;
    if (poi.hasAlert()) {
        writeRecordHeader(children, rec::alert, false, rec::alertMainSize, rec::alertMainSize);
        rec::appendAlertMain(children, poi);
    }
    if (rec::hasCommentRecord(poi)) {
        std::size_t length = localizedTextLength(*poi.comment, style.encoding);
        writeRecordHeader(children, rec::comment, false, rec::localizedFraming + length,
                          rec::localizedFraming + length);
        children.appendLocalizedText(*poi.comment, style.encoding, style.language, length);
    }
    rec::appendDetailRecords(children, poi, style);
    ByteBuffer record;
    writeRecordHeader(record, rec::waypoint, true, main.size() + children.size(), main.size());
    record.appendBytes(main.bytes);
    record.appendBytes(children.bytes);
    out.appendBytes(record.bytes);
}

void writeWaypoint(ByteCursor& out, const POIView& poi, std::uint32_t payload,
                   const rec::TextStyle& style) {
    if (payload & detailBit) [[unlikely]]
        return writeDetailedWaypoint(out, poi, style);
    // Windows-1252 files hold only texts that have a Windows-1252 form.
    std::uint64_t nameLength =
        style.encoding == GPIEncoding::utf8 ? poi.name.size() : encodableLength(poi.name);
    std::uint64_t commentLength = commentLengthOf(payload, nameLength);
    bool hasAlert = hasAlertIn(payload);
    std::uint64_t mainLength = waypointMainLength(nameLength);
    std::uint64_t children = waypointChildrenLength(hasAlert, commentLength);
    writeRecordHeader(out, rec::waypoint, children > 0, mainLength + children, mainLength);
    rec::appendWaypointMain(out, poi, style, nameLength);
    if (hasAlert) {
        writeRecordHeader(out, rec::alert, false, rec::alertMainSize, rec::alertMainSize);
        rec::appendAlertMain(out, poi);
    }
    if (commentLength > 0) {
        std::uint64_t length = rec::localizedFraming + commentLength;
        writeRecordHeader(out, rec::comment, false, length, length);
        out.appendLocalizedText(*poi.comment, style.encoding, style.language, commentLength);
    }
}

void writeArea(ByteCursor& out, const CategoryPlan& plan, std::size_t area,
               const rec::TextStyle& style) {
    const std::vector<AreaMember>& members = plan.split.members;
    const std::uint32_t first = area == 0 ? 0 : plan.split.areaEnds[area - 1];
    const std::uint32_t last = plan.split.areaEnds[area];
    rec::AreaBounds bounds;
    for (std::uint32_t k = first; k < last; ++k) {
        bounds.include(rec::semicircles(members[k].latitude),
                       rec::semicircles(members[k].longitude));
        bounds.hasAlert = bounds.hasAlert || hasAlertIn(members[k].payload);
    }
    writeRecordHeader(out, rec::area, true, rec::areaMainSize + plan.areaChildrenLengths[area],
                      rec::areaMainSize);
    rec::appendAreaMain(out, bounds);

    // Area order jumps around the POIs, so fetch each POI, and then its texts, ahead of use.
    constexpr std::size_t structAhead = 16;
    constexpr std::size_t textAhead = 8;
    for (std::uint32_t k = first; k < last; ++k) {
        if (k + structAhead < members.size())
            prefetch(plan.pois.recordAddress(members[k + structAhead].index));
        if (k + textAhead < members.size())
            prefetch(plan.pois.textsAddress(members[k + textAhead].index));
        writeWaypoint(out, plan.pois[members[k].index], members[k].payload, style);
    }
}

// The file as a sequence of parts whose sizes are known before any is written, so that each
// thread can write a run of them into its own stretch of the output.
struct Piece {
    enum class Kind : std::uint8_t { fileHead, categoryHead, area, bitmap, fileTail };
    Kind kind;
    std::uint32_t category = 0;
    std::uint32_t area = 0;
    std::uint64_t size = 0;
};

struct FileLayout {
    const std::vector<CategoryPlan>& plans;
    const rec::TextStyle& style;
    ByteBuffer head;
    ByteBuffer tail;
    std::vector<Piece> pieces{};

    void addPieces() {
        pieces.push_back({Piece::Kind::fileHead, 0, 0, head.size()});
        for (std::uint32_t c = 0; c < plans.size(); ++c) {
            const CategoryPlan& plan = plans[c];
            pieces.push_back({Piece::Kind::categoryHead, c, 0, plan.headSize()});
            for (std::uint32_t area = 0; area < plan.split.areaEnds.size(); ++area)
                pieces.push_back({Piece::Kind::area, c, area, plan.areaSize(area)});
            pieces.push_back({Piece::Kind::bitmap, c, 0, plan.bitmap.serializedSize()});
        }
        pieces.push_back({Piece::Kind::fileTail, 0, 0, tail.size()});
    }

    void write(ByteCursor& out, const Piece& piece) const {
        switch (piece.kind) {
        case Piece::Kind::fileHead:
            return out.appendBytes(head.bytes);
        case Piece::Kind::categoryHead: {
            const CategoryPlan& plan = plans[piece.category];
            writeRecordHeader(out, rec::category, true, plan.totalLength(), plan.mainLength);
            return out.appendLocalizedText(plan.name, style.encoding, style.language,
                                           plan.nameLength);
        }
        case Piece::Kind::area:
            return writeArea(out, plans[piece.category], piece.area, style);
        case Piece::Kind::bitmap: {
            ByteBuffer bitmap;
            plans[piece.category].bitmap.write(bitmap);
            return out.appendBytes(bitmap.bytes);
        }
        case Piece::Kind::fileTail:
            return out.appendBytes(tail.bytes);
        }
    }

    // Writes pieces [first, last) into exactly [begin, end).
    void write(std::size_t first, std::size_t last, std::uint8_t* begin, std::uint8_t* end) const {
        ByteCursor out(begin, end);
        for (std::size_t i = first; i < last; ++i)
            write(out, pieces[i]);
        if (!out.atEnd())
            throw std::logic_error("GPI layout and output disagree in size");
    }
};

double unixSeconds(std::optional<GPIWriter::TimePoint> timestamp) {
    GPIWriter::TimePoint time = timestamp.value_or(std::chrono::system_clock::now());
    return std::chrono::duration<double>(time.time_since_epoch()).count();
}

Bytes build(const GPIWriter& writer, const std::vector<CategoryView>& categories) {
    if (categories.size() > GPIWriter::maxCategories)
        throw GPIWriterError::tooManyCategories(categories.size());
    std::vector<CategoryPlan> plans;
    plans.reserve(categories.size());
    for (const CategoryView& category : categories)
        plans.push_back({.name = category.name, .pois = category.pois, .icon = category.icon});
    GPIEncoding encoding = gatherCategories(plans) ? GPIEncoding::windows1252 : GPIEncoding::utf8;
    if (encoding == GPIEncoding::utf8)
        for (CategoryPlan& plan : plans)
            useUTF8Lengths(plan);
    rec::TextStyle style{encoding, languageBytes(writer.languageCode)};

    GPIRecord header = rec::fileHeaderRecord(rec::fileTimestamp(unixSeconds(writer.timestamp)),
                                             writer.creatorName);
    GPIRecord format = rec::formatRecord(style.encoding);
    GPIRecord end = rec::endRecord();
    std::uint64_t size = header.serializedSize() + format.serializedSize() + end.serializedSize();
    std::size_t totalPOIs = 0;
    for (std::size_t i = 0; i < plans.size(); ++i) {
        layOutCategory(plans[i], static_cast<std::uint16_t>(i), style.encoding);
        size += plans[i].serializedSize();
        totalPOIs += plans[i].pois.size();
    }

    FileLayout layout{plans, style, {}, {}};
    header.write(layout.head);
    format.write(layout.head);
    end.write(layout.tail);
    layout.addPieces();

    // Two contiguous runs of pieces of about equal bytes; the second may be empty.
    std::size_t middle = 0;
    std::uint64_t offset = 0;
    while (middle < layout.pieces.size() && offset + layout.pieces[middle].size / 2 < size / 2)
        offset += layout.pieces[middle++].size;
    bool parallel = totalPOIs >= GPIWriter::parallelFromPOIs;
    Bytes file(static_cast<std::size_t>(size));
    std::uint8_t* begin = file.data();
    runBoth(
        parallel, [&] { layout.write(0, middle, begin, begin + offset); },
        [&] { layout.write(middle, layout.pieces.size(), begin + offset, begin + size); });
    return file;
}

} // namespace

Bytes GPIWriter::data(const std::vector<GPICategory>& categories) const {
    std::vector<CategoryView> views;
    views.reserve(categories.size());
    for (const GPICategory& category : categories)
        views.push_back({category.name, category.pois, category.icon ? &*category.icon : nullptr});
    return build(*this, views);
}

Bytes GPIWriter::dataFor(const POIStore& pois) const {
    return build(*this, {{categoryName, pois, icon ? &*icon : nullptr}});
}

void GPIWriter::write(const POIStore& pois, const Path& path, const FileSystem& fileSystem) const {
    writeAtomically(dataFor(pois), path, fileSystem);
}

GPIEncoding GPIWriter::encoding(const std::vector<GPICategory>& categories) {
    std::vector<CategoryView> views;
    views.reserve(categories.size());
    for (const GPICategory& category : categories)
        views.push_back({trimmed(category.name), category.pois, nullptr});
    return chooseEncoding(views);
}

GPIEncoding GPIWriter::encodingFor(const POIStore& pois) const {
    return chooseEncoding({{trimmed(categoryName), pois, nullptr}});
}

std::int32_t GPIWriter::semicircles(double degrees) {
    return gpirecords::semicircles(degrees);
}

} // namespace marklode
