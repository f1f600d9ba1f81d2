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

namespace {

POI detailed(double latitude, double longitude, std::string name, POIDetails details,
             std::optional<double> speedKmh = {}, std::optional<double> proximityMeters = {}) {
    POI point{latitude, longitude, std::move(name), std::nullopt, speedKmh, proximityMeters};
    point.setDetails(std::move(details));
    return point;
}

std::vector<POI> byName(std::vector<POI> pois) {
    std::sort(pois.begin(), pois.end(), [](const POI& a, const POI& b) { return a.name < b.name; });
    return pois;
}

std::size_t offsetOf(const ByteVector& bytes, std::string_view text) {
    return static_cast<std::size_t>(
        std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) - bytes.begin());
}

} // namespace

TEST(GPIReaderTest, ReadsPOIsBackOnlyWhenAsked) {
    std::vector<POI> latin{
        detailed(47.3769, 8.5417, "Zürich",
                 {"", {"Bahnhofstraße 1", "Zürich", "ZH", "8001", "Schweiz"}, "+41 44"}, 36.0,
                 250.0),
        detailed(-33.8688, 180, "Only a phone", {"", {}, "+61 2 · 1"}),
        detailed(-47.1234567, 0, "Only a postal code, zero alert", {"", {.postalCode = "8001"}, ""},
                 {}, 0.0),
    };
    latin[0].comment = "Öffnet um 8 €";
    for (int i = 0; i < 300; ++i)
        latin.push_back(detailed(i / 10.0, -i / 5.0, "P" + std::to_string(i),
                                 {"", {.city = i % 7 ? "" : "Ort"}, ""}));
    std::vector<POI> cyrillic = latin;
    cyrillic[0].setDetails({"", {.street = "Тверская 1"}, "+7 495"});
    for (const auto& pois : {latin, cyrillic}) {
        ByteVector file = writer.dataFor(pois);
        EXPECT_EQ(byName(GPIReader::readWithPOIs(file).categories.at(0).pois), byName(pois))
            << (writer.encodingFor(pois) == GPIEncoding::utf8 ? "UTF-8" : "Windows-1252");
        EXPECT_TRUE(GPIReader::read(file).categories.at(0).pois.empty());
    }
}

TEST(GPIReaderTest, DamagedOrMisencodedPOITexts) {
    POI point = detailed(1, 2, "Name", {"", {.city = "City", .postalCode = "PC"}, "Phone"});
    ByteVector file = writer.dataFor({point});
    // A length just before each text: language-tagged texts have 6 framing bytes before it,
    // plain ones none.
    auto longer = [&](std::string_view text) {
        ByteVector bytes = file;
        bytes[offsetOf(file, text) - 2] = 0xFF;
        return bytes;
    };
    auto at = [&](std::string_view text, std::size_t framing) {
        return static_cast<std::int64_t>(offsetOf(file, text) - framing);
    };
    const struct {
        const char* label;
        ByteVector bytes;
        std::int64_t offset;
    } cases[] = {
        {"name beyond its waypoint's main part", longer("Name"), at("Name", 8)},
        {"city beyond its record", longer("City"), at("City", 8)},
        {"postal code beyond its record", longer("PC"), at("PC", 2)},
        {"phone beyond its record", longer("Phone"), at("Phone", 2)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GPIReader::read(c.bytes).poiCount(), 1) << c.label << ": counting doesn't look";
        try {
            GPIReader::readWithPOIs(c.bytes);
            ADD_FAILURE() << c.label << ": no error";
        } catch (const GPIReaderError& error) {
            EXPECT_EQ(error, GPIReaderError::damaged(c.offset)) << c.label;
        }
    }

    // Bytes invalid in the file's encoding, 0x81 in Windows-1252 and 0xFF in UTF-8.
    POI utf8 = point;
    utf8.setDetails({"", {}, "Ж"});
    for (auto [pois, invalid] : {std::pair{std::vector{point}, 0x81}, {std::vector{utf8}, 0xFF}}) {
        ByteVector bytes = writer.dataFor(pois);
        bytes[offsetOf(bytes, "Name")] = static_cast<std::uint8_t>(invalid);
        EXPECT_EQ(GPIReader::readWithPOIs(bytes).categories.at(0).pois.at(0).name, "\uFFFDame");
    }
}
