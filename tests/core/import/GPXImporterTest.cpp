#include "core/import/GPXImporter.h"

#include "core/import/ImportError.h"
#include "core/io/FileError.h"
#include "tests/core/import/ImportPrinters.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

using namespace marklode;
using namespace std::string_literals;

namespace {

POI poi(double lat, double lon, std::string name, std::optional<std::string> comment = {},
        std::optional<double> proximity = {}) {
    return POI{lat, lon, std::move(name), std::move(comment), std::nullopt, proximity};
}

std::string gpx(const std::string& body) {
    return "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:gx=\"urn:example:ext\">\n" +
           body + "\n</gpx>\n";
}

ImportError::InvalidXML invalidXML(std::string_view bytes) {
    try {
        GPXImporter().importData(bytes);
    } catch (const ImportError& error) {
        if (auto* invalid = std::get_if<ImportError::InvalidXML>(&error.kind))
            return *invalid;
    }
    ADD_FAILURE() << "no invalidXML for " << bytes.substr(0, 200);
    return {};
}

const std::string dataDir = MARKLODE_TEST_DATA "/import/";

} // namespace

TEST(GPXImporterTest, ImportsWaypoints) {
    struct Case {
        const char* title;
        std::string body; // starts on line 3
        std::vector<POI> pois;
        std::vector<ImportIssue> issues;
    };
    const Case cases[] = {
        {"plain waypoint",
         R"(<wpt lat="46.95" lon="7.45"><name>Bern</name></wpt>)",
         {poi(46.95, 7.45, "Bern")},
         {}},
        {"cmt wins over desc, either longer than a short string holds",
         R"(<wpt lat="1" lon="2"><name>A</name><desc>World and more</desc>)"
         R"(<cmt>Hello from a comment too long to sit inside its string</cmt></wpt>)",
         {poi(1, 2, "A", "Hello from a comment too long to sit inside its string")},
         {}},
        {"blank cmt falls back to desc",
         "<wpt lat=\"1\" lon=\"2\"><name>A</name><cmt> \n\t</cmt><desc> World </desc></wpt>",
         {poi(1, 2, "A", "World")},
         {}},
        {"name below a child does not count",
         R"(<wpt lat="1" lon="2"><extensions><name>A</name></extensions></wpt>)",
         {},
         {{3, "Waypoint has no name."}}},
        {"proximity under any prefix and depth",
         R"(<wpt lat="1" lon="2"><name>A</name><extensions><gx:WaypointExtension>)"
         R"(<gx:Proximity> 250 </gx:Proximity></gx:WaypointExtension></extensions></wpt>)",
         {poi(1, 2, "A", {}, 250)},
         {}},
        {"invalid proximities",
         "<wpt lat=\"1\" lon=\"2\"><name>A</name><proximity>-5</proximity></wpt>\n"
         "<wpt lat=\"1\" lon=\"2\"><name>B</name><proximity> abc </proximity></wpt>\n"
         "<wpt lat=\"1\" lon=\"2\"><name>C</name><proximity>nan</proximity></wpt>\n"
         "<wpt lat=\"1\" lon=\"2\"><name>D</name><proximity> </proximity></wpt>\n"
         "<wpt lat=\"1\" lon=\"2\"><name>E</name><proximity>0</proximity></wpt>",
         {poi(1, 2, "D"), poi(1, 2, "E", {}, 0)},
         {{3, "Invalid proximity \"-5\"."},
          {4, "Invalid proximity \"abc\"."},
          {5, "Invalid proximity \"nan\"."}}},
        {"element names compared case-insensitively, wpt is not",
         "<wpt lat=\"1\" lon=\"2\"><NAME>A</NAME><Cmt>c</Cmt></wpt>\n"
         "<WPT lat=\"1\" lon=\"2\"><name>B</name></WPT>",
         {poi(1, 2, "A", "c")},
         {}},
        {"full lower-casing: dotted capital I is not i",
         "<wpt lat=\"1\" lon=\"2\"><name>A</name><PROX\xC4\xB0MITY>x</PROX\xC4\xB0MITY></wpt>",
         {poi(1, 2, "A")},
         {}},
        {"coordinates as written, checked first",
         "<wpt lat=\" 1\" lon=\"2\"><name>A</name></wpt>\n"
         "<wpt lat=\"91\" lon=\"2\"></wpt>\n"
         "<wpt lat=\"1\"><name>C</name></wpt>\n"
         "<wpt lat=\"-90\" lon=\"180\"><name>D</name></wpt>\n"
         "<wpt lat=\"0x10\" lon=\"+1e1\"><name>E</name></wpt>\n"
         "<wpt lat=\"inf\" lon=\"1\"><name>F</name></wpt>",
         {poi(-90, 180, "D"), poi(16, 10, "E")},
         {{3, "Waypoint has invalid lat/lon."},
          {4, "Waypoint has invalid lat/lon."},
          {5, "Waypoint has invalid lat/lon."},
          {8, "Waypoint has invalid lat/lon."}}},
        {"routes and tracks ignored",
         R"(<rte><rtept lat="1" lon="2"><name>R</name></rtept></rte>)"
         R"(<trk><trkseg><trkpt lat="1" lon="2"/></trkseg></trk>)",
         {},
         {}},
        {"first completed name wins",
         R"(<wpt lat="1" lon="2"><name>First</name><name>Second</name></wpt>)",
         {poi(1, 2, "First")},
         {}},
        {"value is the text after the last child",
         R"(<wpt lat="1" lon="2"><name>lost<b>x</b> kept </name></wpt>)",
         {poi(1, 2, "kept")},
         {}},
        {"nested wpt is just a child",
         R"(<wpt lat="1" lon="2"><wpt lat="3" lon="4"><name>In</name></wpt><name>Out</name></wpt>)",
         {poi(1, 2, "Out")},
         {}},
        {"CDATA, entities and pieces join",
         R"(<wpt lat="1" lon="2"><name>A &amp; <![CDATA[<B>]]> &#xE9;</name></wpt>)",
         {poi(1, 2, "A & <B> \xC3\xA9")},
         {}},
        {"name trimmed of line breaks and wide spaces",
         "<wpt lat=\"1\" lon=\"2\"><name>\n\xE3\x80\x80 Bern\xE2\x80\xA8\n</name></wpt>",
         {poi(1, 2, "Bern")},
         {}},
        {"issue lines are start-tag lines",
         "\n\n<wpt lat=\"x\" lon=\"2\"><name>A</name></wpt>\n\n\n\n<wpt\n lat=\"1\" "
         "lon=\"2\"></wpt>",
         {},
         {{5, "Waypoint has invalid lat/lon."}, {9, "Waypoint has no name."}}},
        {"prefixed attributes count by local name",
         R"(<wpt gx:lat="1" gx:lon="2"><name>A</name></wpt>)",
         {poi(1, 2, "A")},
         {}},
        {"comments and processing instructions contribute nothing",
         R"(<wpt lat="1" lon="2"><name>A<!-- x --><?pi y?>B</name></wpt>)",
         {poi(1, 2, "AB")},
         {}},
    };
    for (const Case& c : cases) {
        ImportResult result = GPXImporter().importData(gpx(c.body));
        EXPECT_EQ(result.pois, c.pois) << c.title;
        EXPECT_EQ(result.issues, c.issues) << c.title;
    }
}

TEST(GPXImporterTest, ReadsDetailsFromTheWaypointExtension) {
    auto with = [](POI p, POIDetails details) {
        p.setDetails(std::move(details));
        return p;
    };
    auto waypoint = [](const std::string& children) {
        return "<wpt lat=\"1\" lon=\"2\"><name>A</name>" + children + "</wpt>";
    };
    auto extension = [](const std::string& children) {
        return "<extensions><x:WaypointExtension "
               "xmlns:x=\"urn:example:waypoint-extension:v3\">" +
               children + "</x:WaypointExtension></extensions>";
    };
    struct Case {
        const char* title;
        std::string body;
        std::optional<POIDetails> details;
    };
    const Case cases[] = {
        {"every part; two street lines, the first non-blank phone, categories over type",
         waypoint("<type>Shop</type>" +
                  extension("<x:Categories><x:Category> </x:Category><x:Category>Fuel</x:Category>"
                            "<x:Category>Food</x:Category></x:Categories>"
                            "<x:Address><x:StreetAddress> Main St 1 </x:StreetAddress>"
                            "<x:StreetAddress>Floor 2</x:StreetAddress>"
                            "<x:StreetAddress>Room 3</x:StreetAddress>"
                            "<x:City>Bern</x:City><x:State>BE</x:State><x:Country>CH</x:Country>"
                            "<x:PostalCode>3011</x:PostalCode></x:Address>"
                            "<x:PhoneNumber>\n</x:PhoneNumber><x:PhoneNumber>+41 31"
                            "</x:PhoneNumber><x:PhoneNumber>+41 32</x:PhoneNumber>")),
         POIDetails{"Fuel", {"Main St 1, Floor 2", "Bern", "BE", "3011", "CH"}, "+41 31"}},
        {"type when the categories are blank, any prefix and letter case",
         waypoint("<type> Fuel </type>" +
                  extension("<x:CATEGORIES><x:Category/></x:CATEGORIES>"
                            "<x:address><x:city>Chur</x:city></x:address>")),
         POIDetails{"Fuel", {"", "Chur"}}},
        {"a link's type is no category",
         waypoint("<link href=\"http://a.example\"><type>text/html</type></link>"), std::nullopt},
        {"own type after a link's",
         waypoint("<link href=\"http://a.example\"><type>text/html</type></link><type>Fuel</type>"),
         POIDetails{"Fuel"}},
        {"parts count only in their place",
         waypoint("<extensions><City>Bern</City><Address><City>Thun</City></Address>"
                  "<PhoneNumber>1</PhoneNumber></extensions>" +
                  extension("<x:City>Biel</x:City><x:Category>Fuel</x:Category>"
                            "<x:Address><x:Street><x:City>Chur</x:City></x:Street></x:Address>")),
         std::nullopt},
    };
    for (const Case& c : cases) {
        ImportResult result = GPXImporter().importData(gpx(c.body));
        POI expected = poi(1, 2, "A");
        if (c.details)
            expected = with(expected, *c.details);
        EXPECT_EQ(result.pois, std::vector<POI>{expected}) << c.title;
        EXPECT_EQ(result.issues, std::vector<ImportIssue>{}) << c.title;
    }
}

TEST(GPXImporterTest, BlankInputIsEmptyAndBrokenXMLThrows) {
    for (std::string blank : {""s, " \t\r\n"s})
        EXPECT_EQ(GPXImporter().importData(blank), ImportResult{});

    struct Case {
        std::string bytes;
        std::int64_t line;
        std::string message;
    };
    std::string syntaxOnLine12 = gpx("<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>" +
                                     std::string(9, '\n') + "<wpt lat=\"1\" lon=\"2\">< /wpt>");
    const Case cases[] = {
        {syntaxOnLine12, 12, "not well-formed (invalid token)"},
        {"\f", 1, "not well-formed (invalid token)"},
        {"<gpx>\n<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>\n", 3, "no element found"},
        {"<gpx></GPX>", 1, "mismatched tag"},
        {"<?xml version=\"1.0\" encoding=\"klingon\"?><gpx/>", 1, "unknown encoding"},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<gpx>\x81</gpx>", 2,
         "not well-formed (invalid token)"},
        {"<gpx>&undefined;</gpx>", 1, "undefined entity"},
    };
    for (const Case& c : cases) {
        ImportError::InvalidXML error = invalidXML(c.bytes);
        EXPECT_EQ(error.line, c.line) << c.bytes;
        EXPECT_EQ(error.message, c.message) << c.bytes;
    }
}

TEST(GPXImporterTest, NeverReadsExternalEntities) {
    std::string document = "<!DOCTYPE gpx [<!ENTITY ext SYSTEM \"file://" + dataDir +
                           "utf8-accents.csv\">]>\n<gpx><wpt lat=\"1\" lon=\"2\"><name>&ext;"
                           "x</name></wpt></gpx>";
    EXPECT_EQ(GPXImporter().importData(document), (ImportResult{{poi(1, 2, "x")}, {}}));
}

TEST(GPXImporterTest, HonoursDeclaredEncodings) {
    GPXImporter importer;
    EXPECT_EQ(importer.importFile(dataDir + "windows-1252-declared.gpx"),
              (ImportResult{{poi(47.37, 8.54, "Caf\xC3\xA9 \xE2\x80\x9CZ\xC3\xBCrich\xE2\x80\x9D",
                                 "\xE2\x82\xAC 5")},
                            {}}));
    EXPECT_EQ(importer.importFile(dataDir + "utf16-declared.gpx"),
              (ImportResult{{poi(1, 2, "Z\xC3\xBCrich")}, {}}));
    EXPECT_EQ(importer.importData("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><gpx><wpt "
                                  "lat=\"1\" lon=\"2\"><name>\xE9</name></wpt></gpx>"),
              (ImportResult{{poi(1, 2, "\xC3\xA9")}, {}}));
    EXPECT_THROW(importer.importFile(dataDir + "does-not-exist.gpx"), FileError);
}

TEST(GPXImporterTest, RefusesExpansionBombsAndDeepNesting) {
    const auto started = std::chrono::steady_clock::now();

    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [\n<!ENTITY l0 \"lol\">\n";
    for (int i = 1; i <= 12; ++i)
        laughs += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string refs;
            for (int k = 0; k < 10; ++k)
                refs += "&l" + std::to_string(i - 1) + ";";
            return refs;
        }() + "\">\n";
    laughs += "]>\n<gpx><wpt lat=\"1\" lon=\"2\"><name>&l12;</name></wpt></gpx>\n";
    ImportError::InvalidXML bomb = invalidXML(laughs);
    EXPECT_NE(bomb.message.find("amplification"), std::string::npos) << bomb.message;

    // One large entity referenced many times grows quadratically without nesting.
    std::string quadratic =
        "<!DOCTYPE gpx [<!ENTITY a \"" + std::string(100'000, 'a') + "\">]>\n<gpx>";
    for (int i = 0; i < 20'000; ++i)
        quadratic += "&a;";
    quadratic += "</gpx>";
    invalidXML(quadratic);

    // Entity expansion recurses per nesting level, so long chains are refused at the declaration.
    auto chain = [](std::int64_t length) {
        std::string text = "<!DOCTYPE gpx [\n<!ENTITY e0 \"x\">\n";
        for (std::int64_t i = 1; i < length; ++i)
            text += "<!ENTITY e" + std::to_string(i) + " \"&e" + std::to_string(i - 1) + ";\">\n";
        return text + "]>\n<gpx><wpt lat=\"1\" lon=\"2\"><name>&e" + std::to_string(length - 1) +
               ";</name></wpt></gpx>";
    };
    EXPECT_EQ(GPXImporter().importData(chain(GPXImporter::maximumEntityDeclarations)).pois,
              std::vector<POI>{poi(1, 2, "x")});
    ImportError::InvalidXML longChain = invalidXML(chain(200'000));
    EXPECT_EQ(longChain.line, GPXImporter::maximumEntityDeclarations + 2);
    EXPECT_EQ(longChain.message, "too many entity declarations");

    // Depth is counted over the whole document, waypoints included.
    auto nested = [](std::int64_t depth, const std::string& inner) {
        std::string text;
        for (std::int64_t i = 0; i < depth; ++i)
            text += "<e>";
        text += inner;
        for (std::int64_t i = 0; i < depth; ++i)
            text += "</e>";
        return text;
    };
    std::string unclosed = "<gpx>\n<wpt lat=\"1\" lon=\"2\">\n" + std::string(1'000'000, ' ');
    for (int i = 0; i < 1'000'000; ++i)
        unclosed += "<e>";
    ImportError::InvalidXML tooDeep = invalidXML(unclosed);
    EXPECT_EQ(tooDeep.line, 3);
    EXPECT_EQ(tooDeep.message, "elements nested too deeply");
    const std::string waypoint = "<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>";
    EXPECT_EQ(GPXImporter().importData(nested(GPXImporter::maximumDepth - 2, waypoint)).pois,
              std::vector<POI>{poi(1, 2, "A")});
    EXPECT_EQ(invalidXML(nested(GPXImporter::maximumDepth - 1, waypoint)).message,
              "elements nested too deeply");

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
}

TEST(GPXImporterTest, ManyWaypointsAcrossParserChunks) {
    // Larger than one feeding chunk, with a waypoint split across the boundary somewhere.
    std::string body;
    for (int i = 0; i < 40'000; ++i)
        body += "<wpt lat=\"" + std::to_string(i % 90) + "\" lon=\"" + std::to_string(i % 180) +
                "\"><name>P" + std::to_string(i) + "</name><cmt>" + std::string(i % 7, 'c') +
                "</cmt></wpt>\n";
    ImportResult result = GPXImporter().importData(gpx(body));
    ASSERT_EQ(result.pois.size(), 40'000u);
    EXPECT_TRUE(result.issues.empty());
    EXPECT_EQ(result.pois[39'999], poi(39'999 % 90, 39'999 % 180, "P39999", "c"));
}
