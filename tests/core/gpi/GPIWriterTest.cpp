#include "core/gpi/GPIWriter.h"

#include "core/gpi/GPIRecords.h"
#include "core/io/FileError.h"
#include "support/ForwardingFileSystem.h"
#include "support/GPIRecordTrees.h"
#include "support/GPITestSupport.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace marklode;
using namespace marklode::test;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// 1000 seconds after the file format's epoch (1989-12-31 00:00:00 UTC).
const GPIWriter::TimePoint fixedTime = GPIWriter::TimePoint(std::chrono::seconds(631066600));

GPIWriter makeWriter(std::string categoryName = "Stops") {
    return GPIWriter{std::move(categoryName), "EN", "Marklode", std::nullopt, fixedTime};
}

POI poi(std::string name, double latitude = 0, double longitude = 0) {
    return POI{latitude, longitude, std::move(name), std::nullopt, std::nullopt, std::nullopt};
}

GPIWriterError errorOf(const GPIWriter& writer, const std::vector<GPICategory>& categories) {
    try {
        writer.data(categories);
    } catch (const GPIWriterError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return GPIWriterError::emptyCategoryName();
}

ByteVector viaRecordTree(const GPIWriter& writer, const std::vector<GPICategory>& categories) {
    namespace rec = gpirecords;
    rec::TextStyle style{GPIWriter::encoding(categories), languageBytes(writer.languageCode)};
    double seconds = std::chrono::duration<double>(writer.timestamp->time_since_epoch()).count();
    ByteBuffer out;
    rec::fileHeaderRecord(rec::fileTimestamp(seconds), writer.creatorName).write(out);
    rec::formatRecord(style.encoding).write(out);
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const GPICategory& category = categories[i];
        const GPIIcon& icon = category.icon ? *category.icon : GPIIcon::defaultIcon();
        rec::categoryRecord(category.name, category.pois, icon, static_cast<std::uint16_t>(i),
                            style)
            .write(out);
    }
    rec::endRecord().write(out);
    return out.bytes;
}

RecordSpan onlyCategory(const ByteVector& file) {
    auto records = topLevelRecords(file);
    EXPECT_EQ(records.size(), 4u);
    return records.at(2);
}

std::vector<RecordSpan> waypointsOfArea(const ByteVector& file, const RecordSpan& area) {
    return recordsIn(file, area.mainEnd, area.end);
}

} // namespace

TEST(GPIWriterTest, EmptyFileIsHeaderFormatAndEnd) {
    ByteVector file = makeWriter().data({});
    EXPECT_EQ(hexString(file), hexString(hexBytes("00 00 00 00 18 00 00 00"
                                                  "47 52 4d 52 45 43 30 30 e8 03 00 00 00 00"
                                                  "08 00 4d 61 72 6b 6c 6f 64 65"
                                                  "01 00 00 00 0c 00 00 00"
                                                  "50 4f 49 00 00 00 30 30 e4 04 00 00"
                                                  "ff ff 00 00 00 00 00 00")));
    EXPECT_EQ(file.size(), 60u);
}

TEST(GPIWriterTest, TimestampIsClampedAndTruncated) {
    using std::chrono::milliseconds;
    using std::chrono::seconds;
    const struct {
        GPIWriter::TimePoint time;
        std::uint32_t stored;
    } cases[] = {
        {GPIWriter::TimePoint(seconds(0)), 0},
        {GPIWriter::TimePoint(seconds(631065600)), 0},
        {GPIWriter::TimePoint(milliseconds(631065601999)), 1},
        {GPIWriter::TimePoint(seconds(631065600LL + 4294967295LL)), 4294967295u},
        {GPIWriter::TimePoint(seconds(631065600LL + 5000000000LL)), 4294967295u},
    };
    for (const auto& c : cases) {
        GPIWriter writer = makeWriter();
        writer.timestamp = c.time;
        EXPECT_EQ(u32At(writer.data({}), 16), c.stored);
    }
    GPIWriter now = makeWriter();
    now.timestamp.reset();
    EXPECT_GT(u32At(now.data({}), 16), 1'100'000'000u) << "the current time, after 2024";
}

TEST(GPIWriterTest, WaypointAndAlertRecordsAreByteExact) {
    ByteVector plain = makeWriter().dataFor({poi("A")});
    RecordSpan area = areasOf(plain, onlyCategory(plain)).at(0);
    auto waypoints = waypointsOfArea(plain, area);
    ASSERT_EQ(waypoints.size(), 1u);
    ByteVector waypoint(plain.begin() + static_cast<std::ptrdiff_t>(waypoints[0].offset),
                        plain.begin() + static_cast<std::ptrdiff_t>(waypoints[0].end));
    EXPECT_EQ(hexString(waypoint), hexString(hexBytes("02 00 00 00 14 00 00 00 00 00 00 00"
                                                      "00 00 00 00 01 00 00 05 00 00 00 45 4e"
                                                      "01 00 41")));
    EXPECT_EQ(plain[area.dataStart + 22], 0) << "area alert flag";

    POI alerting = poi("A");
    alerting.proximityMeters = 150;
    alerting.speedKmh = 50;
    ByteVector file = makeWriter().dataFor({alerting});
    area = areasOf(file, onlyCategory(file)).at(0);
    RecordSpan record = waypointsOfArea(file, area).at(0);
    EXPECT_EQ(u16At(file, record.offset + 2), 0x0008);
    EXPECT_EQ(record.mainEnd - record.dataStart, 20u) << "main length covers the main bytes only";
    EXPECT_EQ(file[record.dataStart + 10], 1) << "waypoint alert flag";
    EXPECT_EQ(file[area.dataStart + 22], 1) << "area alert flag";
    ByteVector alert(file.begin() + static_cast<std::ptrdiff_t>(record.mainEnd),
                     file.begin() + static_cast<std::ptrdiff_t>(record.end));
    EXPECT_EQ(hexString(alert),
              hexString(hexBytes("03 00 00 00 0c 00 00 00 96 00 6c 05 00 01 10 00 01 01 05 10")));
}

TEST(GPIWriterTest, AlertAndCommentChildren) {
    const struct {
        const char* label;
        std::optional<double> speed;
        std::optional<double> proximity;
        std::optional<std::string> comment;
        std::vector<std::uint16_t> childTypes;
        std::uint16_t proximityField;
        std::uint16_t speedField;
    } cases[] = {
        {"neither", std::nullopt, std::nullopt, std::nullopt, {}, 0, 0},
        {"proximity only", std::nullopt, 150.7, std::nullopt, {3}, 150, 0},
        {"largest proximity", std::nullopt, 65535.0, std::nullopt, {3}, 65535, 0},
        {"largest speed", 2359.26, std::nullopt, std::nullopt, {3}, 0, 65535},
        {"zero speed is an alert", 0.0, std::nullopt, std::nullopt, {3}, 0, 0},
        {"empty comment writes nothing", std::nullopt, std::nullopt, "", {}, 0, 0},
        {"comment only", std::nullopt, std::nullopt, "note", {10}, 0, 0},
        {"alert before comment", 50.0, 10.0, "note", {3, 10}, 10, 1388},
    };
    for (const auto& c : cases) {
        POI point = poi("P");
        point.speedKmh = c.speed;
        point.proximityMeters = c.proximity;
        point.comment = c.comment;
        ByteVector file = makeWriter().dataFor({point});
        RecordSpan waypoint = waypointsOfArea(file, areasOf(file, onlyCategory(file)).at(0)).at(0);
        std::vector<std::uint16_t> types;
        for (const RecordSpan& child : recordsIn(file, waypoint.mainEnd, waypoint.end)) {
            types.push_back(child.type);
            if (child.type == 3) {
                EXPECT_EQ(u16At(file, child.dataStart), c.proximityField) << c.label;
                EXPECT_EQ(u16At(file, child.dataStart + 2), c.speedField) << c.label;
            }
        }
        EXPECT_EQ(types, c.childTypes) << c.label;
        EXPECT_EQ(u16At(file, waypoint.offset + 2), c.childTypes.empty() ? 0 : 8) << c.label;
        EXPECT_EQ(file[waypoint.dataStart + 10], point.hasAlert() ? 1 : 0) << c.label;
    }
}

TEST(GPIWriterTest, AddressAndContactRecordsAreByteExact) {
    // The layout of a file gpsbabel wrote from the same texts.
    const struct {
        POIDetails details;
        const char* children;
    } cases[] = {
        {{"Food", {"STR", "CIT", "STA", "POS", "COU"}, "PHO"},
         "0b 00 08 00 33 00 00 00 02 00 00 00 1f 00 07 00 00 00 45 4e 03 00 43 49 54"
         "07 00 00 00 45 4e 03 00 43 4f 55 07 00 00 00 45 4e 03 00 53 54 41 03 00 50 4f 53"
         "07 00 00 00 45 4e 03 00 53 54 52 0c 00 08 00 07 00 00 00 02 00 00 00 01 00 03 00"
         "50 48 4f"},
        {{"", {.street = "Ж", .postalCode = "1"}, ""},
         "0b 00 08 00 0f 00 00 00 02 00 00 00 18 00 01 00 31 06 00 00 00 45 4e 02 00 d0 96"},
        {{"", {}, "+49 Ö"}, "0c 00 08 00 09 00 00 00 02 00 00 00 01 00 05 00 2b 34 39 20 d6"},
        {{"a category alone writes nothing", {}, ""}, ""},
    };
    for (const auto& c : cases) {
        POI point = poi("A");
        point.setDetails(c.details);
        ByteVector file = makeWriter().dataFor({point});
        RecordSpan waypoint = waypointsOfArea(file, areasOf(file, onlyCategory(file)).at(0)).at(0);
        ByteVector children(file.begin() + static_cast<std::ptrdiff_t>(waypoint.mainEnd),
                            file.begin() + static_cast<std::ptrdiff_t>(waypoint.end));
        EXPECT_EQ(hexString(children), hexString(hexBytes(c.children))) << c.details.category;
    }
}

TEST(GPIWriterTest, ValidationErrorsInOrder) {
    auto category = [](std::string name, std::vector<POI> pois) {
        return GPICategory{std::move(name), std::move(pois), std::nullopt};
    };
    auto withSpeed = [](double speed) {
        POI p = poi("S");
        p.speedKmh = speed;
        return p;
    };
    auto withProximity = [](double distance) {
        POI p = poi("D");
        p.proximityMeters = distance;
        return p;
    };
    const struct {
        const char* label;
        std::vector<GPICategory> categories;
        GPIWriterError expected;
    } cases[] = {
        {"blank name", {category(" \n\t\u3000", {})}, GPIWriterError::emptyCategoryName()},
        {"latitude above 90",
         {category("C", {poi("N", 90.000001, 0)})},
         GPIWriterError::invalidCoordinate("N", 90.000001, 0)},
        {"longitude below -180",
         {category("C", {poi("W", 0, -180.0000001)})},
         GPIWriterError::invalidCoordinate("W", 0, -180.0000001)},
        {"infinite longitude",
         {category("C", {poi("I", 1, inf)})},
         GPIWriterError::invalidCoordinate("I", 1, inf)},
        {"negative speed",
         {category("C", {withSpeed(-1)})},
         GPIWriterError::invalidAlertValue("S")},
        {"speed too high",
         {category("C", {withSpeed(2359.27)})},
         GPIWriterError::invalidAlertValue("S")},
        {"NaN speed",
         {category("C", {withSpeed(notANumber)})},
         GPIWriterError::invalidAlertValue("S")},
        {"proximity too far",
         {category("C", {withProximity(65535.9)})},
         GPIWriterError::invalidAlertValue("D")},
        {"negative proximity",
         {category("C", {withProximity(-0.5)})},
         GPIWriterError::invalidAlertValue("D")},
        {"coordinate checked before speed",
         {category("C", {[] {
                       POI p = poi("Both", 91, 0);
                       p.speedKmh = -1;
                       return p;
                   }()})},
         GPIWriterError::invalidCoordinate("Both", 91, 0)},
        {"first category's POIs before the second's name",
         {category("C", {withSpeed(-1)}), category("", {})},
         GPIWriterError::invalidAlertValue("S")},
        {"validation before string lengths",
         {category(std::string(70000, 'x'), {withSpeed(-1)})},
         GPIWriterError::invalidAlertValue("S")},
        {"long POI name",
         {category("C", {poi(std::string(65536, 'n'))})},
         GPIWriterError::stringTooLong(std::string(65536, 'n'))},
        {"long comment",
         {category("C", {[] {
                       POI p = poi("P");
                       p.comment = std::string(65536, 'c');
                       return p;
                   }()})},
         GPIWriterError::stringTooLong(std::string(65536, 'c'))},
        {"address parts in the order written, before the phone",
         {category("C", {[] {
                       POI p = poi("P");
                       p.setDetails({"",
                                     {std::string(65536, 's'), "", std::string(65536, 'r')},
                                     std::string(65536, 'p')});
                       return p;
                   }()})},
         GPIWriterError::stringTooLong(std::string(65536, 'r'))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(makeWriter(), c.categories), c.expected) << c.label;

    // Texts are checked in the order they are written: category name, then areas.
    const std::string longName(65536, 'x');
    EXPECT_EQ(errorOf(makeWriter(), {category(longName, {poi(longName + "y")})}),
              GPIWriterError::stringTooLong(longName));
    std::vector<POI> spread;
    for (int i = 0; i < 129; ++i)
        spread.push_back(poi("P" + std::to_string(i), i == 0 ? 10 : i == 128 ? -10 : 0, 0));
    spread.front().name = std::string(65536, 'a');
    spread.back().name = std::string(65536, 'b');
    EXPECT_EQ(errorOf(makeWriter(), {category("C", spread)}),
              GPIWriterError::stringTooLong(spread.back().name))
        << "the southernmost POI's area comes first";

    GPIWriter longCreator = makeWriter();
    longCreator.creatorName = std::string(65536, 'm');
    EXPECT_EQ(errorOf(longCreator, {}), GPIWriterError::stringTooLong(longCreator.creatorName));

    // The boundaries themselves are accepted, in either encoding.
    for (auto [accent, filler] : {std::pair{"é", 65534}, {"Ж", 65533}}) {
        POI longest = poi(accent);
        longest.setDetails({"", {.city = std::string(filler, 'c') + accent}, ""});
        EXPECT_NO_THROW(makeWriter().dataFor({longest})) << accent;
    }
    POI corner = poi("Corner", 90, -180);
    corner.speedKmh = 2359.26;
    corner.proximityMeters = 65535;
    EXPECT_NO_THROW(makeWriter().dataFor({corner, poi("South", -90, 180)}));
}

TEST(GPIWriterTest, EncodingFollowsTheTexts) {
    auto codePageOf = [](const ByteVector& file) {
        return u16At(file, topLevelRecords(file).at(1).dataStart + 8);
    };
    const struct {
        const char* label;
        std::string categoryName;
        std::string poiName;
        std::optional<std::string> comment;
        GPIEncoding expected;
        POIDetails details{};
    } cases[] = {
        {"ASCII", "Stops", "A", std::nullopt, GPIEncoding::windows1252},
        {"accented Latin", "Cafés", "Straße über", "Crème brûlée €", GPIEncoding::windows1252},
        {"Latin-1 letters, then a sign beyond them", "Stops", "\u00A0ÿé€", "Ä",
         GPIEncoding::windows1252},
        {"C1 control", "Stops", "A\u0085", std::nullopt, GPIEncoding::utf8},
        {"cut UTF-8 sequence", "Stops", "A\xC3", std::nullopt, GPIEncoding::utf8},
        {"Cyrillic after a Latin letter", "Stops", "é Ж", std::nullopt, GPIEncoding::utf8},
        {"Cyrillic name", "Stops", "Москва", std::nullopt, GPIEncoding::utf8},
        {"emoji comment", "Stops", "A", "😀", GPIEncoding::utf8},
        {"CJK category", "東京", "A", std::nullopt, GPIEncoding::utf8},
        {"ideographic space is trimmed first", "\u3000Stops\u3000", "A", std::nullopt,
         GPIEncoding::windows1252},
        {"Latin address",
         "Stops",
         "A",
         {},
         GPIEncoding::windows1252,
         {"Ж, unwritten", {"Straße", "Zürich", "", "", "España"}, "+41 44 · Büro"}},
        {"Greek postal code", "Stops", "A", {}, GPIEncoding::utf8, {"", {.postalCode = "Ω1"}, ""}},
    };
    for (const auto& c : cases) {
        POI point = poi(c.poiName);
        point.comment = c.comment;
        point.setDetails(c.details);
        std::vector<GPICategory> categories{{c.categoryName, {point}, std::nullopt}};
        EXPECT_EQ(GPIWriter::encoding(categories), c.expected) << c.label;
        EXPECT_EQ(makeWriter(c.categoryName).encodingFor({point}), c.expected) << c.label;
        ByteVector file = makeWriter().data(categories);
        EXPECT_EQ(codePageOf(file), c.expected == GPIEncoding::utf8 ? 65001 : 1252) << c.label;
        // The record tree takes trimmed names and writes no details.
        if (c.categoryName == "Stops" && c.details == POIDetails{}) {
            EXPECT_EQ(file, viaRecordTree(makeWriter(), categories)) << c.label;
        }
    }
    GPIWriter cyrillicCreator = makeWriter();
    cyrillicCreator.creatorName = "Ж";
    cyrillicCreator.languageCode = "Ж";
    EXPECT_EQ(codePageOf(cyrillicCreator.dataFor({poi("A")})), 1252);
}

TEST(GPIWriterTest, CategoryNameIsTrimmedAndEncoded) {
    ByteVector file = makeWriter("  Cafés \n").dataFor({});
    RecordSpan category = onlyCategory(file);
    EXPECT_EQ(category.type, 9);
    ByteVector name(file.begin() + static_cast<std::ptrdiff_t>(category.dataStart),
                    file.begin() + static_cast<std::ptrdiff_t>(category.dataStart + 13));
    EXPECT_EQ(hexString(name), hexString(hexBytes("09 00 00 00 45 4e 05 00 43 61 66 e9 73")));
    EXPECT_TRUE(areasOf(file, category).empty()) << "no POIs, no area";
}

TEST(GPIWriterTest, AreaSplitSizesAndOrder) {
    std::vector<POI> pois;
    for (int i = 0; i < 129; ++i)
        pois.push_back(
            poi("P" + std::to_string(i), 45 + (i * 37 % 129) * 0.01, 5 + (i * 53 % 129) * 0.01));
    ByteVector file = makeWriter().dataFor(pois);
    std::vector<std::size_t> sizes;
    for (const RecordSpan& area : areasOf(file, onlyCategory(file)))
        sizes.push_back(waypointsOfArea(file, area).size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{32, 32, 32, 33}));

    pois.pop_back();
    file = makeWriter().dataFor(pois);
    auto areas = areasOf(file, onlyCategory(file));
    ASSERT_EQ(areas.size(), 1u);
    auto waypoints = waypointsOfArea(file, areas[0]);
    ASSERT_EQ(waypoints.size(), 128u);
    for (std::size_t i = 0; i < 128; ++i)
        EXPECT_EQ(waypointName(file, waypoints[i]), pois[i].name) << "input order";
}

TEST(GPIWriterTest, BitmapRecords) {
    std::vector<std::uint8_t> manyColours;
    for (int i = 0; i < 24 * 24; ++i)
        manyColours.insert(manyColours.end(),
                           {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), 7});
    GPIIcon custom = GPIIcon::fromBMP(makeBMP({.width = 2, .height = 1}, patternColour));
    std::vector<GPICategory> categories{
        {"Default", {}, std::nullopt},
        {"Custom", {}, custom},
        {"Too many colours for a palette", {}, GPIIcon(24, 24, manyColours, true)},
    };
    ByteVector file = makeWriter().data(categories);
    auto records = topLevelRecords(file);
    ASSERT_EQ(records.size(), 6u);

    auto bitmapOf = [&](std::size_t index) {
        auto children = recordsIn(file, records[2 + index].mainEnd, records[2 + index].end);
        EXPECT_EQ(children.size(), 1u);
        EXPECT_EQ(children.at(0).type, 5);
        return children.at(0);
    };
    // The 36 header bytes (the data offset 44 counts the 8-byte record header too). Fields: id,
    // height, width, line size, bits, reserved, image size, data offset, palette entries,
    // transparent colour, flags, palette offset.
    auto header = [&](const RecordSpan& bitmap) {
        std::size_t s = bitmap.dataStart;
        return std::vector<std::uint32_t>{
            u16At(file, s),      u16At(file, s + 2),  u16At(file, s + 4),  u16At(file, s + 6),
            u16At(file, s + 8),  u16At(file, s + 10), u32At(file, s + 12), u32At(file, s + 16),
            u32At(file, s + 20), u32At(file, s + 24), u32At(file, s + 28), u32At(file, s + 32)};
    };

    RecordSpan palette = bitmapOf(0);
    EXPECT_EQ(header(palette),
              (std::vector<std::uint32_t>{0, 24, 24, 24, 8, 0, 576, 44, 256, 0x00FF00FF, 1, 620}));
    EXPECT_EQ(palette.end - palette.dataStart, 36u + 576 + 1024);
    std::size_t pixels = palette.dataStart + 36;
    std::size_t entries = pixels + 576;
    EXPECT_EQ(file[pixels], 0) << "corner is the first colour seen";
    EXPECT_EQ(u32At(file, entries), 0x00FF00FFu) << "magenta";
    EXPECT_EQ(u32At(file, entries + 4 * file[pixels + 12 * 24 + 12]), 0x00D02020u) << "red";
    EXPECT_EQ(u32At(file, entries + 16), 0u) << "unused entries are zero";
    EXPECT_EQ(*std::max_element(file.begin() + static_cast<std::ptrdiff_t>(pixels),
                                file.begin() + static_cast<std::ptrdiff_t>(entries)),
              3)
        << "four colours";

    RecordSpan direct = bitmapOf(1);
    EXPECT_EQ(header(direct),
              (std::vector<std::uint32_t>{1, 1, 2, 8, 32, 0, 8, 44, 0, 0x00FF00FF, 1, 52}));
    ByteVector custom32(file.begin() + static_cast<std::ptrdiff_t>(direct.dataStart + 36),
                        file.begin() + static_cast<std::ptrdiff_t>(direct.end));
    EXPECT_EQ(custom32, hexBytes("00 00 80 00 01 00 81 00"));

    RecordSpan fallback = bitmapOf(2);
    EXPECT_EQ(header(fallback)[0], 2u) << "third category";
    EXPECT_EQ(header(fallback)[4], 32u);
    EXPECT_EQ(fallback.end - fallback.dataStart, 36u + 576 * 4);
}

TEST(GPIWriterTest, RefusesWhatTheFormatCannotNumberOrMeasure) {
    // Bitmap ids are 16-bit: a 65,537th category would share the first one's id.
    std::vector<GPICategory> categories(65'536, {"C", {}, GPIIcon(1, 1, {1, 2, 3}, false)});
    ByteVector file = makeWriter().data(categories);
    RecordSpan last = topLevelRecords(file).at(65'537);
    EXPECT_EQ(u16At(file, recordAt(file, last.mainEnd).dataStart), 65'535) << "last bitmap id";
    categories.push_back(categories.back());
    EXPECT_EQ(errorOf(makeWriter(), categories), GPIWriterError::tooManyCategories(65'537));

    // A category's lengths are 32-bit; beyond that they would be cut.
    for (std::uint64_t length : {std::uint64_t{UINT32_MAX}, std::uint64_t{UINT32_MAX} + 1}) {
        std::optional<GPIWriterError> error;
        try {
            gpirecords::checkCategoryLength("Big", length);
        } catch (const GPIWriterError& thrown) {
            error = thrown;
        }
        EXPECT_EQ(error, length > UINT32_MAX
                             ? std::optional(GPIWriterError::categoryTooLarge("Big", length))
                             : std::nullopt);
    }
}

TEST(GPIWriterTest, DirectFramingEqualsTheRecordTree) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> latitude(35, 70), longitude(-10, 30);
    std::vector<POI> many;
    for (int i = 0; i < 700; ++i) {
        POI p = poi("Ort " + std::to_string(i) + (i % 5 == 0 ? " Straße" : ""), latitude(random),
                    longitude(random));
        if (i % 3 == 0)
            p.comment = i % 6 == 0 ? "Öffnungszeiten 9–17" : "";
        if (i % 7 == 0)
            p.speedKmh = i * 0.37;
        if (i % 11 == 0)
            p.proximityMeters = i * 1.5;
        many.push_back(p);
    }
    std::vector<POI> cyrillic{poi("Москва", 55.75, 37.62), poi("Київ", 50.45, 30.52)};
    cyrillic[0].comment = "столица";
    const std::vector<std::vector<GPICategory>> files = {
        {},
        {{"Empty", {}, std::nullopt}},
        {{"Many", many, std::nullopt}, {"Few", {poi("X", 1, 2)}, std::nullopt}},
        {{"Custom", many, GPIIcon::fromBMP(makeBMP({.width = 5, .height = 3}, patternColour))},
         {"UTF-8", cyrillic, std::nullopt}},
    };
    for (const auto& categories : files) {
        GPIWriter writer = makeWriter();
        ByteVector direct = writer.data(categories);
        EXPECT_EQ(direct, viaRecordTree(writer, categories)) << categories.size();
        EXPECT_EQ(direct, writer.data(categories)) << "deterministic";
    }
}

namespace {

// Passes through to the local file system, except for the one operation told to fail. A
// failing writeAndSync leaves a partial file behind first, as a real one may.
class FailingFileSystem final : public ForwardingFileSystem {
  public:
    enum class Failure { none, writeAndSync, rename };
    explicit FailingFileSystem(Failure failure) : failure_(failure) {}

    mutable std::vector<std::string> calls;

    void writeAndSync(std::span<const std::uint8_t> data, const Path& path) const override {
        calls.push_back("writeAndSync");
        if (failure_ == Failure::writeAndSync) {
            local.writeAndSync(data.first(data.size() / 2), path);
            throw FileError(FileError::Operation::write, ENOSPC, path);
        }
        local.writeAndSync(data, path);
    }
    void rename(const Path& source, const Path& destination) const override {
        calls.push_back("rename");
        if (failure_ == Failure::rename)
            throw FileError(FileError::Operation::write, EXDEV, source);
        local.rename(source, destination);
    }
    void remove(const Path& path) const override {
        calls.push_back("remove");
        local.remove(path);
    }

  private:
    Failure failure_;
};

} // namespace

TEST(GPIWriterTest, WriteReplacesTheTargetAtomically) {
    TempDir dir;
    Path target = dir.write("stops.gpi", "old contents");
    GPIWriter writer = makeWriter();
    std::vector<POI> pois{poi("A", 1, 2)};

    using Failure = FailingFileSystem::Failure;
    for (Failure failure : {Failure::writeAndSync, Failure::rename}) {
        FailingFileSystem fileSystem(failure);
        try {
            writer.write(pois, target, fileSystem);
            ADD_FAILURE() << "no error";
        } catch (const FileError& error) {
            EXPECT_EQ(error.code().value(), failure == Failure::rename ? EXDEV : ENOSPC);
        }
        EXPECT_EQ(readText(target), "old contents");
        EXPECT_EQ(fileSystem.calls.back(), "remove") << "the temporary file is cleaned up";
        EXPECT_EQ(LocalFileSystem().contentsOfDirectory(dir.path()).size(), 1u);
    }

    FailingFileSystem untouched(Failure::none);
    EXPECT_THROW(writer.write({poi("Bad", 91, 0)}, target, untouched), GPIWriterError);
    EXPECT_TRUE(untouched.calls.empty()) << "validation comes before any file operation";

    writer.write(pois, target);
    writer.write(pois, dir / "new.gpi");
    ByteVector expected = writer.dataFor(pois);
    EXPECT_EQ(asBytes(readText(target)), expected);
    EXPECT_EQ(asBytes(readText(dir / "new.gpi")), expected);
    EXPECT_EQ(LocalFileSystem().contentsOfDirectory(dir.path()).size(), 2u) << "no leftovers";
}
