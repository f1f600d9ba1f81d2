#include "core/gpi/GPIReader.h"

#include "core/gpi/GPIRecord.h"
#include "core/gpi/GPIWriter.h"
#include "support/GPITestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

namespace {

const GPIWriter writer{"Stops", "EN", "Marklode", std::nullopt,
                       GPIWriter::TimePoint(std::chrono::seconds(1700000000))};

std::vector<POI> numberedPOIs(int count) {
    std::vector<POI> pois;
    for (int i = 0; i < count; ++i)
        pois.push_back(POI{i * 0.25 - 40, i * 0.5 - 90, "P" + std::to_string(i), std::nullopt,
                           i % 2 ? std::optional(30.0) : std::nullopt, std::nullopt});
    return pois;
}

GPIReaderError errorOf(const ByteVector& bytes) {
    try {
        GPIReader::read(bytes);
    } catch (const GPIReaderError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return GPIReaderError::notAGPIFile();
}

GPIRecord record(std::uint16_t type, ByteVector main = {}) {
    GPIRecord result{.type = type};
    result.main.bytes = std::move(main);
    return result;
}

GPIRecord categoryRecord(ByteVector nameBytes, std::vector<GPIRecord> areas = {},
                         std::vector<GPIRecord> children = {}) {
    GPIRecord category{.type = 9, .forceExtended = true};
    category.main.appendUInt32(static_cast<std::uint32_t>(nameBytes.size() + 4));
    category.main.appendBytes("EN");
    category.main.appendUInt16(static_cast<std::uint16_t>(nameBytes.size()));
    category.main.appendBytes(nameBytes);
    category.inlineRecords = std::move(areas);
    category.children = std::move(children);
    return category;
}

GPIRecord areaRecord(std::vector<GPIRecord> children) {
    GPIRecord area{.type = 8, .forceExtended = true};
    area.main.bytes = ByteVector(23);
    area.children = std::move(children);
    return area;
}

GPIRecord formatRecord(std::uint16_t codePage) {
    ByteBuffer main;
    main.appendBytes("POI");
    main.appendUInt8(0);
    main.appendUInt16(0);
    main.appendBytes("00");
    main.appendUInt16(codePage);
    main.appendUInt16(0);
    return record(1, main.bytes);
}

ByteVector taggedText(std::string_view bytes) {
    ByteBuffer text;
    text.appendUInt32(static_cast<std::uint32_t>(bytes.size() + 4));
    text.appendBytes("EN");
    text.appendUInt16(static_cast<std::uint16_t>(bytes.size()));
    text.appendBytes(bytes);
    return text.bytes;
}

GPIRecord waypointRecord(std::string_view name, std::vector<GPIRecord> children = {}) {
    GPIRecord waypoint = record(2, ByteVector(11));
    waypoint.main.appendBytes(taggedText(name));
    waypoint.children = std::move(children);
    return waypoint;
}

// A record whose main part is a field mask followed by these bytes, under a short header.
GPIRecord fieldsRecord(std::uint16_t type, std::uint16_t mask, const ByteVector& fields) {
    GPIRecord result = record(type);
    result.main.appendUInt16(mask);
    result.main.appendBytes(fields);
    return result;
}

ByteVector plainText(std::string_view bytes) {
    ByteBuffer text;
    text.appendString(bytes);
    return text.bytes;
}

POI pointOf(double latitude, double longitude, std::string name,
            std::optional<std::string> comment = {}, std::optional<double> speedKmh = {},
            std::optional<double> proximityMeters = {}, POIDetails details = {}) {
    POI point{latitude, longitude, std::move(name), std::move(comment), speedKmh, proximityMeters};
    point.setDetails(std::move(details));
    return point;
}

// The file header record that fileOf writes is 28 bytes long.
constexpr std::int64_t headerEnd = 28;

ByteVector fileOf(std::vector<GPIRecord> records) {
    ByteBuffer out;
    GPIRecord header = record(0);
    header.main.appendBytes("GRMREC00");
    header.main.appendUInt32(0);
    header.main.appendUInt16(0);
    header.main.appendString("test");
    header.write(out);
    for (const GPIRecord& r : records)
        r.write(out);
    return out.bytes;
}

} // namespace

TEST(GPIReaderTest, ReadsWhatTheWriterWrites) {
    std::vector<GPICategory> categories{
        {"  Cafés ", numberedPOIs(3), std::nullopt},
        {"Empty", {}, std::nullopt},
        {"Many", numberedPOIs(300), std::nullopt},
        {"Москва", numberedPOIs(1), std::nullopt},
    };
    GPIContents contents = GPIReader::read(writer.data(categories));
    EXPECT_EQ(contents, (GPIContents{{{"Cafés", 3}, {"Empty", 0}, {"Many", 300}, {"Москва", 1}}}));
    EXPECT_EQ(contents.poiCount(), 304);

    categories.pop_back(); // now a Windows-1252 file
    EXPECT_EQ(GPIReader::read(writer.data(categories)).categories.at(0).name, "Cafés");
    EXPECT_EQ(GPIReader::read(writer.data({})), GPIContents{});
}

TEST(GPIReaderTest, NotAGPIFile) {
    ByteVector file = writer.data({});
    EXPECT_EQ(errorOf(ByteVector(file.begin(), file.begin() + 15)), GPIReaderError::notAGPIFile());
    EXPECT_EQ(errorOf({}), GPIReaderError::notAGPIFile());
    for (std::size_t at = 8; at < 16; ++at) {
        ByteVector changed = file;
        changed[at] ^= 0x20;
        EXPECT_EQ(errorOf(changed), GPIReaderError::notAGPIFile()) << at;
    }
}

TEST(GPIReaderTest, DamageOffsets) {
    ByteVector written = writer.dataFor(numberedPOIs(5));
    std::size_t endRecord = written.size() - 8;
    std::size_t category = 32 + 20;
    std::size_t nameStart = category + 12;
    std::size_t firstArea = nameStart + 13;
    std::size_t firstWaypoint = firstArea + 12 + 23;

    auto cut = [](ByteVector bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto patched32 = [](ByteVector bytes, std::size_t at, std::uint32_t value) {
        putU32(bytes, at, value);
        return bytes;
    };

    GPIRecord badBitmap = record(5, ByteVector(4));
    ByteVector bitmapDamaged = fileOf({categoryRecord({'C'}, {}, {badBitmap}), record(0xFFFF)});
    std::size_t bitmapAt = headerEnd + 12 + 9;
    putU32(bitmapDamaged, bitmapAt + 4, 5);

    const struct {
        const char* label;
        ByteVector bytes;
        std::int64_t offset;
    } cases[] = {
        {"cut by one byte", cut(written, written.size() - 1), static_cast<std::int64_t>(endRecord)},
        {"no end record", cut(written, endRecord), static_cast<std::int64_t>(endRecord)},
        {"main length above total length", patched32(written, category + 8, 0x7FFFFFFF),
         static_cast<std::int64_t>(category)},
        {"area beyond its category's main part", patched32(written, firstArea + 4, 100000),
         static_cast<std::int64_t>(firstArea)},
        {"waypoint beyond its area", patched32(written, firstWaypoint + 4, 100000),
         static_cast<std::int64_t>(firstWaypoint)},
        {"name length beyond the main part", patched32(written, nameStart, 0xFFFFFFF0u),
         static_cast<std::int64_t>(nameStart)},
        {"name shorter than its byte count", patched32(written, nameStart, 4),
         static_cast<std::int64_t>(nameStart)},
        {"damaged bitmap child", bitmapDamaged, static_cast<std::int64_t>(bitmapAt)},
        {"category main part under 8 bytes",
         fileOf({[] {
                     GPIRecord c{.type = 9, .forceExtended = true};
                     c.main.bytes = ByteVector(7);
                     return c;
                 }(),
                 record(0xFFFF)}),
         headerEnd + 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.bytes), GPIReaderError::damaged(c.offset)) << c.label;

    // An extended header that doesn't fit in the file: 8 bytes are there, 12 are needed.
    ByteVector extendedAtEnd = fileOf({record(0xFFFF)});
    extendedAtEnd.insert(extendedAtEnd.end(), {7, 0, 8, 0, 0, 0, 0, 0});
    EXPECT_EQ(errorOf(extendedAtEnd), GPIReaderError::damaged(headerEnd + 8));
}

TEST(GPIReaderTest, StructureThatIsAccepted) {
    GPIRecord nested = areaRecord({record(2), areaRecord({record(2), record(2)}), record(10)});
    GPIRecord bitmapWithWaypoint = record(2); // children of a category are not counted
    ByteVector file = fileOf({record(0xFFFF), record(0xFFFF), record(0x1234, {1, 2, 3}),
                              categoryRecord({'A'}, {nested, record(77)}, {bitmapWithWaypoint})});
    EXPECT_EQ(GPIReader::read(file), (GPIContents{{{"A", 3}}}))
        << "two end records, records after them, unknown types, nested areas";
}

TEST(GPIReaderTest, CodePageDecidesTheNameDecoding) {
    const struct {
        std::uint16_t codePage;
        ByteVector name;
        std::string expected;
    } cases[] = {
        {65001, asBytes("Caf\xc3\xa9"), "Café"},
        {1252, asBytes("Caf\xc3\xa9"), "CafÃ©"},
        {1252, asBytes("\x80\x9f"), "€Ÿ"},
        {65001, asBytes("\xff"), ""},
        {1252, asBytes("A\x81"), ""},
    };
    for (const auto& c : cases) {
        ByteVector file =
            fileOf({formatRecord(c.codePage), categoryRecord(c.name), record(0xFFFF)});
        EXPECT_EQ(GPIReader::read(file).categories.at(0).name, c.expected) << c.codePage;
    }
    // A format record too short to hold a code page leaves Windows-1252 in force.
    ByteVector file =
        fileOf({record(1, asBytes("POI")), categoryRecord(asBytes("Caf\xc3\xa9")), record(0xFFFF)});
    EXPECT_EQ(GPIReader::read(file).categories.at(0).name, "CafÃ©");
}

TEST(GPIReaderTest, DeepNestingNeitherCrashesNorMiscounts) {
    // Areas nested 100000 deep, each holding one waypoint before the next area; built flat,
    // outermost first.
    constexpr std::uint32_t depth = 100000;
    constexpr std::uint32_t levelSize = 12 + 23 + 8;
    ByteVector areas;
    areas.reserve(std::size_t{depth} * levelSize);
    for (std::uint32_t level = depth; level > 0; --level) {
        ByteBuffer header;
        writeRecordHeader(header, 8, true, std::uint64_t{level} * levelSize - 12, 23);
        areas.insert(areas.end(), header.bytes.begin(), header.bytes.end());
        areas.resize(areas.size() + 23);
        areas.insert(areas.end(), {2, 0, 0, 0, 0, 0, 0, 0});
    }
    GPIRecord category = categoryRecord({'D'});
    category.main.appendBytes(areas);
    ByteVector file = fileOf({category, record(0xFFFF)});
    EXPECT_EQ(GPIReader::read(file).poiCount(), depth);
}

TEST(GPIReaderTest, ReadsEveryPOIBackInEitherEncoding) {
    std::vector<POI> latin{
        pointOf(47.3769, 8.5417, "Café Zürich", "Öffnet um 8 €", 36.0),
        pointOf(-33.8688, 151.2093, "Only a phone", {}, {}, 250.0, {"", {}, "+61 2 · 1234"}),
        pointOf(0, 0, "Only a postal code", {}, {}, {}, {"", {.postalCode = "8001"}, ""}),
        pointOf(-47.1234567, 180, "Seven places, east edge"),
        pointOf(90, -180, "Everything", "note", 72.0, 65535.0,
                {"", {"Bahnhofstraße 1", "Zürich", "ZH", "8001", "Schweiz"}, "+41 44"}),
    };
    for (int i = 0; i < 300; ++i)
        latin.push_back(pointOf(i / 10.0, -i / 5.0, "P" + std::to_string(i), {}, {}, {},
                                {"", {.city = i % 7 ? "" : "Ort " + std::to_string(i)}, ""}));
    std::vector<POI> cyrillic{
        pointOf(55.7558, 37.6173, "Москва", "столица", {}, 0.0,
                {"", {.street = "Тверская 1", .country = "Россия"}, "+7 495"}),
    };
    const struct {
        const char* label;
        std::vector<GPICategory> categories;
        GPIEncoding encoding;
    } cases[] = {
        {"Windows-1252",
         {{"Latin", latin, std::nullopt}, {"None", {}, std::nullopt}},
         GPIEncoding::windows1252},
        {"UTF-8",
         {{"Города", cyrillic, std::nullopt}, {"Latin", latin, std::nullopt}},
         GPIEncoding::utf8},
    };
    auto byName = [](std::vector<POI> pois) {
        std::sort(pois.begin(), pois.end(),
                  [](const POI& a, const POI& b) { return a.name < b.name; });
        return pois;
    };
    for (const auto& c : cases) {
        ASSERT_EQ(GPIWriter::encoding(c.categories), c.encoding) << c.label;
        ByteVector file = writer.data(c.categories);
        GPIContents contents = GPIReader::readWithPOIs(file);
        ASSERT_EQ(contents.categories.size(), c.categories.size()) << c.label;
        for (std::size_t k = 0; k < c.categories.size(); ++k) {
            const std::vector<POI>& expected = c.categories[k].pois;
            EXPECT_EQ(contents.categories[k].name, c.categories[k].name) << c.label;
            EXPECT_EQ(contents.categories[k].poiCount, std::ssize(expected)) << c.label;
            EXPECT_EQ(byName(contents.categories[k].pois), byName(expected)) << c.label;
        }
        GPIContents counts = GPIReader::read(file);
        EXPECT_TRUE(counts.categories.at(0).pois.empty()) << "only when asked";
        EXPECT_EQ(counts.poiCount(), contents.poiCount()) << c.label;
    }
}

TEST(GPIReaderTest, POITextsAndAlertsAsStored) {
    ByteBuffer alertMain;
    alertMain.appendUInt16(0);
    alertMain.appendUInt16(1388);
    ByteBuffer zeroAlert;
    zeroAlert.appendUInt32(0);
    ByteVector city = taggedText(" \xdc ");
    ByteVector unknownLater = plainText("1");
    unknownLater.push_back(0xEE); // a field this reader doesn't know, after the known ones
    const struct {
        const char* label;
        std::uint16_t codePage;
        GPIRecord waypoint;
        POI expected;
    } cases[] = {
        {"invalid UTF-8 keeps the valid parts", 65001,
         waypointRecord("A\xff", {record(10, taggedText("\xc3\xa9\xc3"))}),
         pointOf(0, 0, "A\uFFFD", "é\uFFFD")},
        {"unassigned Windows-1252 bytes", 1252,
         waypointRecord("\x81"
                        "B\x80"),
         pointOf(0, 0, "\uFFFDB€")},
        {"speed in hundredths of a metre per second", 1252,
         waypointRecord("S", {record(3, alertMain.bytes)}), pointOf(0, 0, "S", {}, 49.968)},
        {"an alert without values stays an alert", 1252,
         waypointRecord("Z", {record(3, zeroAlert.bytes)}), pointOf(0, 0, "Z", {}, {}, 0.0)},
        {"address parts are trimmed; unknown mask bits skipped; unknown records too", 1252,
         waypointRecord("T", {record(4, {0, 0}), fieldsRecord(11, 0x0109,
                                                              [&] {
                                                                  ByteVector fields = city;
                                                                  fields.insert(
                                                                      fields.end(),
                                                                      unknownLater.begin(),
                                                                      unknownLater.end());
                                                                  return fields;
                                                              }())}),
         pointOf(0, 0, "T", {}, {}, {}, {"", {.city = "Ü", .postalCode = "1"}, ""})},
        {"a contact without a phone", 1252,
         waypointRecord("C", {fieldsRecord(12, 0x0002, plainText("x"))}), pointOf(0, 0, "C")},
    };
    for (const auto& c : cases) {
        ByteVector file =
            fileOf({formatRecord(c.codePage), categoryRecord({'K'}, {areaRecord({c.waypoint})}),
                    record(0xFFFF)});
        EXPECT_EQ(GPIReader::readWithPOIs(file).categories.at(0).pois, std::vector<POI>{c.expected})
            << c.label;
    }
}

TEST(GPIReaderTest, DamagedWaypointRecords) {
    // Offsets within the waypoint record, which starts after the category and area headers.
    constexpr std::int64_t waypointAt = headerEnd + 12 + 9 + 12 + 23;
    constexpr std::int64_t childrenAt = waypointAt + 12 + 11 + 9;
    ByteVector cutCity = taggedText("Zürich");
    cutCity.resize(cutCity.size() - 1);
    const struct {
        const char* label;
        GPIRecord waypoint;
        std::int64_t offset;
    } cases[] = {
        {"main part too short for the position", record(2, ByteVector(10)), waypointAt + 8},
        {"name beyond the main part",
         [] {
             GPIRecord waypoint = waypointRecord("N");
             waypoint.main.bytes.pop_back();
             return waypoint;
         }(),
         waypointAt + 8 + 11},
        {"alert too short", waypointRecord("N", {record(3, {1, 0})}), childrenAt + 8},
        {"address field beyond its record", waypointRecord("N", {fieldsRecord(11, 0x01, cutCity)}),
         childrenAt + 8 + 2},
        {"address without its mask", waypointRecord("N", {record(11, {1})}), childrenAt + 8},
        {"phone beyond its record", waypointRecord("N", {fieldsRecord(12, 0x01, {5, 0, 'a', 'b'})}),
         childrenAt + 8 + 2},
        {"child beyond the waypoint",
         [] {
             GPIRecord waypoint = waypointRecord("N", {record(10, taggedText("c"))});
             waypoint.children.front().main.bytes.resize(3);
             waypoint.children.front().main.bytes[0] = 0x20;
             return waypoint;
         }(),
         childrenAt + 8},
    };
    for (const auto& c : cases) {
        ByteVector file =
            fileOf({categoryRecord({'K'}, {areaRecord({c.waypoint})}), record(0xFFFF)});
        EXPECT_EQ(GPIReader::read(file).poiCount(), 1) << c.label << ": counting doesn't look";
        try {
            GPIReader::readWithPOIs(file);
            ADD_FAILURE() << c.label << ": no error";
        } catch (const GPIReaderError& error) {
            EXPECT_EQ(error, GPIReaderError::damaged(c.offset)) << c.label;
        }
    }
}
