#include "core/import/CSVImporter.h"

#include "core/import/ImportError.h"
#include "core/io/FileError.h"
#include "tests/core/import/ImportPrinters.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace marklode;
using namespace std::string_literals;

namespace {

using Rows = std::vector<CSVImporter::Row>;

POI poi(double lat, double lon, std::string name, std::optional<std::string> comment = {},
        std::optional<double> speed = {}) {
    return POI{lat, lon, std::move(name), std::move(comment), speed, std::nullopt};
}

ImportResult importKmh(std::string_view text) {
    return CSVImporter(SpeedUnit::kilometersPerHour).importText(text);
}

const std::string dataDir = MARKLODE_TEST_DATA "/import/";

} // namespace

TEST(CSVImporterTest, DecodesStrictUTF8ElseWindows1252) {
    struct Case {
        std::string bytes;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"", ""},
        {"\xEF\xBB\xBF", ""},
        {"\xEF\xBB\xBFName", "Name"},
        {"Caf\xC3\xA9", "Caf\xC3\xA9"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        // Not UTF-8, so read as Windows-1252:
        {"Caf\xE9", "Caf\xC3\xA9"},
        {"\x80\x9F", "\xE2\x82\xAC\xC5\xB8"},
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                 // overlong "/"
        {"\xE0\x80\xAF", "\xC3\xA0\xE2\x82\xAC\xC2\xAF"},                 // overlong "/"
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                 // surrogate U+D800
        {"\xF4\xA0\x80\x80", "\xC3\xB4\xC2\xA0\xE2\x82\xAC\xE2\x82\xAC"}, // above U+10FFFF
        {"ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A"},                         // truncated at the end
        {"\xEF\xBB\xBF\xE9", "\xC3\xA9"},                                 // BOM, then Windows-1252
        // Undecodable: the five unassigned bytes.
        {"\x81", std::nullopt},
        {"\x8D", std::nullopt},
        {"\x8F", std::nullopt},
        {"a\x90", std::nullopt},
        {"\x9D", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSVImporter::decodeText(c.bytes), c.text) << c.bytes;
}

TEST(CSVImporterTest, Tokenizes) {
    struct Case {
        std::string text;
        Rows rows;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {{1, {""}}}},
        {"a,b\nc", {{1, {"a", "b"}}, {2, {"c"}}}},
        {"a\r\nb\rc\n\nd\n", {{1, {"a"}}, {2, {"b"}}, {3, {"c"}}, {4, {""}}, {5, {"d"}}}},
        {",,,", {{1, {"", "", "", ""}}}},
        {"\"a,b\",c", {{1, {"a,b", "c"}}}},
        {"  \"ab\"c", {{1, {"abc"}}}},
        {"\"ab\" ,x", {{1, {"ab ", "x"}}}},
        {"a, \"b\"", {{1, {"a", "b"}}}},
        {"\xC2\xA0\"a,b\"", {{1, {"a,b"}}}},
        {"x\"y\",z", {{1, {"x\"y\"", "z"}}}},
        {"\"\"\"hi\"\"\"", {{1, {"\"hi\""}}}},
        {"\"\" \"x\"", {{1, {"x"}}}},
        {"\"ab\"", {{1, {"ab"}}}},
        {"\"ab\"\r\n", {{1, {"ab"}}}},
        {"\"\"", {}},
        {"\"\"\n", {{1, {""}}}},
        {"\"abc\ndef", {{1, {"abc\ndef"}}}},
        {"\"unterminated,\"\"x", {{1, {"unterminated,\"x"}}}},
        {"a\0b,c"s, {{1, {"a\0b"s, "c"}}}},
        // Quoted line breaks keep later line numbers true; CR LF counts once.
        {"\"a\nb\",c\nd", {{1, {"a\nb", "c"}}, {3, {"d"}}}},
        {"\"a\r\nb\"\r\nd", {{1, {"a\r\nb"}}, {3, {"d"}}}},
        {"\"a\rb\rc\"\rd", {{1, {"a\rb\rc"}}, {4, {"d"}}}},
        {"\"a\xC2\x85"
         "b\xE2\x80\xA8"
         "c\xE2\x80\xA9\"\nd",
         {{1,
           {"a\xC2\x85"
            "b\xE2\x80\xA8"
            "c\xE2\x80\xA9"}},
          {5, {"d"}}}},
        // Outside quotes only CR and LF end a record.
        {"a\xE2\x80\xA8"
         "b\xC2\x85\nd",
         {{1,
           {"a\xE2\x80\xA8"
            "b\xC2\x85"}},
          {2, {"d"}}}},
        // Near misses of the multi-byte breaks are ordinary text.
        {"\"\xC2\xA9\xE2\x80\x9C\"\nd", {{1, {"\xC2\xA9\xE2\x80\x9C"}}, {2, {"d"}}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSVImporter::tokenize(c.text), c.rows) << c.text;
}

// The tokenizer classifies the text in blocks; every field must come out whole wherever the
// blocks begin and end, in rows of any width.
TEST(CSVImporterTest, TokenizesAlikeAtEveryOffset) {
    const std::string wide(40, ',');
    for (std::size_t shift = 0; shift < 140; ++shift) {
        const std::string lead(shift, 'a');
        const std::string text = lead + ",b,\"c,\"\"d\"\r\n" + wide + "\ne" + lead + "\r" + lead;
        Rows expected{
            {1, {lead, "b", "c,\"d"}}, {2, std::vector<std::string>(41)}, {3, {"e" + lead}}};
        if (shift > 0)
            expected.push_back({4, {lead}});
        EXPECT_EQ(CSVImporter::tokenize(text), expected) << shift;
    }
}

TEST(CSVImporterTest, SpeedSuffix) {
    using Split = CSVImporter::SpeedSplit;
    struct Case {
        std::string name;
        std::optional<Split> split;
    };
    const Case cases[] = {
        {"Main St@50", Split{"Main St", 50}},
        {"Main Street @ 50", Split{"Main Street", 50}},
        {"a@b@\t7\xC2\xA0", Split{"a@b", 7}},
        {"@50", Split{"", 50}},
        {"x@007", Split{"x", 7}},
        {"Main St", std::nullopt},
        {"x@", std::nullopt},
        {"x@ ", std::nullopt},
        {"x@0", std::nullopt},
        {"x@000", std::nullopt},
        {"x@5.5", std::nullopt},
        {"x@+5", std::nullopt},
        {"x@home", std::nullopt},
        {"x@50km", std::nullopt},
        {"x@\xD9\xA5", std::nullopt}, // Arabic-Indic digit five
        {"x@50@", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSVImporter::parseSpeedSuffix(c.name), c.split) << c.name;

    auto huge = CSVImporter::parseSpeedSuffix("x@" + std::string(400, '9'));
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->speed, HUGE_VAL);
}

TEST(CSVImporterTest, ImportsRowsWithIssues) {
    struct Case {
        const char* title;
        std::string text;
        std::vector<POI> pois;
        std::vector<ImportIssue> issues;
    };
    const Case cases[] = {
        {"plain record", "8.5,47.3,Zurich", {poi(47.3, 8.5, "Zurich")}, {}},
        {"header reorders columns",
         "Name,Lat,Lon,Notes\nBern,46.95,7.45,Capital",
         {poi(46.95, 7.45, "Bern", "Capital")},
         {}},
        {"header without comment column", "lat,lon,title,notes2\n1,2,A,c", {poi(1, 2, "A")}, {}},
        {"header names in any case, extra columns ignored",
         "ID, LNG ,Y,POI,Desc,Comment\n7,2,1,A,first,second",
         {poi(1, 2, "A", "first")},
         {}},
        {"leftmost of several matching columns",
         "x,lon,y,lat,name\n1,2,3,4,A",
         {poi(3, 1, "A")},
         {}},
        {"header names are not trimmed of inner text",
         "l on,lat,name\n1,2,A",
         {poi(2, 1, "A")},
         {{1, "Invalid longitude \"l on\"."}}},
        {"two fields without name role are data",
         "lat,lon\n1,2,A",
         {poi(2, 1, "A")},
         {{1, "Expected at least 3 fields, found 2."}}},
        {"three fields without name role are data",
         "lat,lon,elevation\n1,2,A",
         {poi(2, 1, "A")},
         {{1, "Invalid longitude \"lat\"."}}},
        {"single field is never a header",
         "name\n1,2,A",
         {poi(2, 1, "A")},
         {{1, "Expected at least 3 fields, found 1."}}},
        {"first field numeric means data",
         "1,lat,name\n1,2,A",
         {poi(2, 1, "A")},
         {{1, "Invalid latitude \"lat\"."}}},
        {"second field numeric means data", "lon,2,name", {}, {{1, "Invalid longitude \"lon\"."}}},
        {"only the first non-blank row may be a header",
         "\n , \n1,2,A\nlon,lat,name",
         {poi(2, 1, "A")},
         {{4, "Invalid longitude \"lon\"."}}},
        {"blank rows skipped silently", ",,,\n \t,\xE3\x80\x80\n\n", {}, {}},
        {"speed in km/h", "1,2,Main St@50", {poi(2, 1, "Main St", {}, 50)}, {}},
        {"name only a speed", "1,2,@50", {}, {{1, "Missing name."}}},
        {"empty name", "1,2, \t", {}, {{1, "Missing name."}}},
        {"not a speed keeps full name",
         "1,2,Stop@5.5\n1,2,Stop@home",
         {poi(2, 1, "Stop@5.5"), poi(2, 1, "Stop@home")},
         {}},
        {"ranges are closed",
         "180,-90,A\n-180,90,B\n181,0,C\n0,90.0001,D",
         {poi(-90, 180, "A"), poi(90, -180, "B")},
         {{3, "Invalid longitude \"181\"."}, {4, "Invalid latitude \"90.0001\"."}}},
        {"infinity and NaN parse but fail the range",
         "inf,0,A\n0,nan,B\n-Infinity,0,C",
         {},
         {{1, "Invalid longitude \"inf\"."},
          {2, "Invalid latitude \"nan\"."},
          {3, "Invalid longitude \"-Infinity\"."}}},
        {"C number forms",
         "+1.5,-2e1,A\n0x1p3,.5,B\n1.,0X.8P1,C",
         {poi(-20, 1.5, "A"), poi(0.5, 8, "B"), poi(1, 1, "C")},
         {}},
        {"decimal comma is not a number", "\"8,5\",47,A", {}, {{1, "Invalid longitude \"8,5\"."}}},
        {"fields are trimmed before parsing, message shows the trimmed field",
         " 8.5\t, 47.3 ,  Zurich  ,  \n 8 x ,1,A",
         {poi(47.3, 8.5, "Zurich")},
         {{2, "Invalid longitude \"8 x\"."}}},
        {"checks run in order: longitude before latitude before name",
         "x,y,\n1,y,\n1,2,",
         {},
         {{1, "Invalid longitude \"x\"."}, {2, "Invalid latitude \"y\"."}, {3, "Missing name."}}},
        {"comment trimmed of line breaks, absent when empty, optional column",
         "1,2,A,\"\n note \r\n\"\n1,2,B,\" \u2028\"\n1,2,C",
         {poi(2, 1, "A", "note"), poi(2, 1, "B"), poi(2, 1, "C")},
         {}},
        {"quoted name with a line break counts lines past it",
         "1,2,\"Two\nLines\"\nx,2,B",
         {poi(2, 1, "Two\nLines")},
         {{3, "Invalid longitude \"x\"."}}},
        {"doubled quotes inside a quoted name",
         "1,2,\"say \"\"hi\"\"\"",
         {poi(2, 1, "say \"hi\"")},
         {}},
        {"many fields, too few for the header's columns",
         "a,b,lat,lon,name\n1,2,3,4\n1,2,3,4,N",
         {poi(3, 4, "N")},
         {{2, "Expected at least 5 fields, found 4."}}},
    };
    for (const Case& c : cases) {
        ImportResult result = importKmh(c.text);
        EXPECT_EQ(result.pois, c.pois) << c.title;
        EXPECT_EQ(result.issues, c.issues) << c.title;
    }
}

TEST(CSVImporterTest, HeaderNamesTheDetailColumns) {
    using Part = std::string (*)(const POI&);
    const Part category = [](const POI& p) { return p.category(); };
    const Part street = [](const POI& p) { return p.address().street; };
    const Part city = [](const POI& p) { return p.address().city; };
    const Part region = [](const POI& p) { return p.address().region; };
    const Part postalCode = [](const POI& p) { return p.address().postalCode; };
    const Part country = [](const POI& p) { return p.address().country; };
    const Part phone = [](const POI& p) { return p.phone(); };
    const struct {
        const char* column;
        Part part;
    } cases[] = {
        {"CATEGORY", category},   {"Group", category}, {"layer", category},
        {"TyPe", category},       {"Address", street}, {"STREET", street},
        {"city", city},           {"State", region},   {"REGION", region},
        {"Postcode", postalCode}, {"ZIP", postalCode}, {" Postal Code ", postalCode},
        {"Country", country},     {"PHONE", phone},    {"Telephone", phone},
        {"tel", phone},
    };
    for (const auto& c : cases) {
        ImportResult result =
            importKmh("lon,lat,name,"s + c.column + "\n1,2,A,\"\n x y \t\"\n1,2,B, \n1,2,C");
        ASSERT_EQ(result.pois.size(), 3u) << c.column;
        EXPECT_EQ(c.part(result.pois[0]), "x y") << c.column;
        // Blank and missing fields leave no details at all.
        EXPECT_EQ(result.pois[1].details, nullptr) << c.column;
        EXPECT_EQ(result.pois[2].details, nullptr) << c.column;
    }
}

TEST(CSVImporterTest, ImportsDetails) {
    auto with = [](POI p, POIDetails details) {
        p.setDetails(std::move(details));
        return p;
    };
    struct Case {
        const char* title;
        std::string text;
        std::vector<POI> pois;
    };
    const Case cases[] = {
        {"every part, in any column order",
         "Phone,Country,Zip,State,City,Street,Category,Lat,Lon,Name\n"
         "+41 31,CH,3011,BE,Bern,Bundesplatz 3,Government,46.95,7.44,Parliament",
         {with(poi(46.95, 7.44, "Parliament"),
               {"Government", {"Bundesplatz 3", "Bern", "BE", "3011", "CH"}, "+41 31"})}},
        {"some parts empty, a row shorter than the header",
         "lon,lat,name,category,city,phone\n1,2,A,,Chur,\n1,2,B,Fuel",
         {with(poi(2, 1, "A"), {"", {"", "Chur"}, ""}), with(poi(2, 1, "B"), {"Fuel"})}},
        {"first column of each name counts",
         "lon,lat,name,zip,postcode,type,group\n1,2,A,8001,9000,Fuel,Food",
         {with(poi(2, 1, "A"), {"Fuel", {"", "", "", "8001"}})}},
        {"a file without header has no details",
         "1,2,A,note,Fuel,Main St,Bern",
         {poi(2, 1, "A", "note")}},
        {"a header without detail columns",
         "lon,lat,name,comment,kind\n1,2,A,note,Fuel",
         {poi(2, 1, "A", "note")}},
    };
    for (const Case& c : cases) {
        ImportResult result = importKmh(c.text);
        EXPECT_EQ(result.pois, c.pois) << c.title;
        EXPECT_EQ(result.issues, std::vector<ImportIssue>{}) << c.title;
    }
}

TEST(CSVImporterTest, LineNumbersAlikeForEveryLineEnd) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        std::string text =
            "1,2,A"s + end + end + "bad,2,B" + end + "1,2,\"x" + end + "y\"" + end + "1,2" + end;
        ImportResult result = importKmh(text);
        EXPECT_EQ(result.issues, (std::vector<ImportIssue>{{3, "Invalid longitude \"bad\"."},
                                                           {6, "Expected at least 3 fields, "
                                                               "found 2."}}))
            << "line end " << int(end[0]);
        ASSERT_EQ(result.pois.size(), 2u);
        EXPECT_EQ(result.pois[1].name, "x"s + end + "y");
    }
}

TEST(CSVImporterTest, MilesPerHourConvertsSpeeds) {
    CSVImporter importer(SpeedUnit::milesPerHour);
    ImportResult result = importer.importText("1,2,Main St@50\n1,2,Fast@" + std::string(400, '9'));
    ASSERT_EQ(result.pois.size(), 2u);
    EXPECT_EQ(result.pois[0].name, "Main St");
    EXPECT_DOUBLE_EQ(*result.pois[0].speedKmh, 80.4672);
    // Kept as infinity here; the writer refuses it.
    EXPECT_EQ(result.pois[1].speedKmh, HUGE_VAL);
}

TEST(CSVImporterTest, HeaderNamesUseFullLowerCasing) {
    // U+0130 lower-cases to "i" plus a combining dot, so it does not spell a column name.
    EXPECT_FALSE(
        CSVImporter::readHeader(std::vector<std::string_view>{"LON", "LAT", "T\xC4\xB0TLE"}));
    auto map =
        CSVImporter::readHeader(std::vector<std::string_view>{"LON", "LAT", "TITLE", "NOTES"});
    EXPECT_EQ(map, (CSVImporter::ColumnMap{0, 1, 2, 3}));
}

TEST(CSVImporterTest, ReadsFilesInEitherEncodingAlike) {
    CSVImporter importer(SpeedUnit::kilometersPerHour);
    ImportResult expected{{poi(47.37, 8.54, "Caf\xC3\xA9 Z\xC3\xBCrich",
                               "\xE2\x80\x9C"
                               "Best\xE2\x80\x9D coffee")},
                          {}};
    EXPECT_EQ(importer.importFile(dataDir + "cp1252-accents.csv"), expected);
    EXPECT_EQ(importer.importFile(dataDir + "utf8-accents.csv"), expected);
    EXPECT_EQ(importer.importFile(dataDir + "utf8-bom-header.csv"),
              (ImportResult{{poi(46.95, 7.45, "Bern")}, {}}));
    EXPECT_THROW(importer.importFile(dataDir + "cp1252-unassigned-byte.csv"), ImportError);
    try {
        importer.importData("\x9D");
        FAIL();
    } catch (const ImportError& error) {
        EXPECT_EQ(error, ImportError::unreadableText());
    }
    EXPECT_THROW(importer.importFile(dataDir + "does-not-exist.csv"), FileError);
}

TEST(CSVImporterTest, PublicTokenizerAgreesWithImport) {
    // importText uses the same tokenizer through views; the copies must match field for field.
    std::string text = "lon,lat,name,comment\n\"1\",2,\"a\"\"b\" c,\"x\ny\"\n 3 ,\"4\"  ,\"q\"r\"s";
    Rows rows = CSVImporter::tokenize(text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"1", "2", "a\"b c", "x\ny"}));
    EXPECT_EQ(rows[2].line, 4);
    EXPECT_EQ(rows[2].fields, (std::vector<std::string>{" 3 ", "4  ", "qr\"s"}));
    EXPECT_EQ(importKmh(text).pois,
              (std::vector<POI>{poi(2, 1, "a\"b c", "x\ny"), poi(4, 3, "qr\"s")}));
}

TEST(CSVImporterTest, HostileInputStaysLinear) {
    const auto started = std::chrono::steady_clock::now();

    // One 100 MB quoted field.
    std::string big = "1,2,\"" + std::string(100'000'000, 'n') + "\"";
    ImportResult one = importKmh(big);
    ASSERT_EQ(one.pois.size(), 1u);
    EXPECT_EQ(one.pois[0].name.size(), 100'000'000u);
    big.clear();
    big.shrink_to_fit();

    // A million columns.
    std::string wide = "1,2,A";
    for (int i = 0; i < 1'000'000; ++i)
        wide += ",c";
    EXPECT_EQ(importKmh(wide).pois.size(), 1u);
    EXPECT_EQ(CSVImporter::tokenize(wide)[0].fields.size(), 1'000'003u);

    // Nothing but quotes: alternately opening, doubling and closing.
    EXPECT_EQ(importKmh(std::string(10'000'001, '"')).issues,
              (std::vector<ImportIssue>{{1, "Expected at least 3 fields, found 1."}}));
    EXPECT_TRUE(importKmh(std::string(10'000'000, '"')).issues.size() == 1);

    // A long blank prefix followed by many stray quotes must not rescan the prefix each time.
    std::string strays = "1,2," + std::string(1'000'000, ' ') + "x" + std::string(1'000'000, '"');
    ImportResult stray = importKmh(strays);
    ASSERT_EQ(stray.pois.size(), 1u);
    EXPECT_EQ(stray.pois[0].name, "x" + std::string(1'000'000, '"'));

    // NUL bytes are ordinary characters.
    EXPECT_EQ(importKmh("1,2,a\0b\n\0,2,c"s).issues,
              (std::vector<ImportIssue>{{2, "Invalid longitude \"\0\"."s}}));

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
}

TEST(CSVImporterTest, RoomForPOIsFollowsTheRowsThatHoldThem) {
    // Room reserved by line count once made 2 GB of blank lines ask for some 40 GB.
    const std::string blanks(1'000'000, '\n');
    std::string blankFields;
    for (int i = 0; i < 200'000; ++i)
        blankFields += " ,\"\", \r\n";
    const std::string stops = "8.5,47.3,A\n8.6,47.4,B\n8.7,47.5,C\n";
    const struct {
        const char* label;
        std::string text;
        std::size_t pois;
    } cases[] = {
        {"blank lines", blanks, 0},
        {"rows of empty fields", blankFields, 0},
        {"stops, then blank lines", stops + blanks, 3},
        {"blank lines, then stops", blanks + stops, 3},
    };
    for (const auto& c : cases) {
        ImportResult result = importKmh(c.text);
        EXPECT_EQ(result.pois.size(), c.pois) << c.label;
        EXPECT_LE(result.pois.capacity(), c.text.size() / 100) << c.label;
    }
}
