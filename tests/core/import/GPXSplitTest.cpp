#include "core/import/GPXImporter.h"
#include "core/import/ImportError.h"
#include "core/import/XMLSplit.h"
#include "tests/core/import/ImportPrinters.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <variant>

using namespace marklode;

namespace {

const std::string extensionNamespace = "urn:example:waypoint-extension:v3";

// The root, prefixed where `prefix` is "g", declares the extension's prefix over two lines.
std::string header(const std::string& prefix = "", const std::string& doctype = "") {
    std::string root = prefix.empty() ? "gpx" : prefix + ":gpx";
    return "<?xml version=\"1.0\"?>\r\n" + doctype + "<" + root + " version=\"1.1\"\n xmlns" +
           (prefix.empty() ? "" : ":" + prefix) +
           "=\"http://www.topografix.com/GPX/1/1\"\n xmlns:x=\"" + extensionNamespace + "\">\n";
}

// Waypoints over CRLF and LF lines, every fifth one lacking a name, with details from the
// extension whose prefix the root declares.
std::string waypoints(int from, int count) {
    std::string text;
    for (int i = from; i < from + count; ++i)
        text += "<wpt lat=\"1\" lon=\"" + std::to_string(i % 180) + "\">\r\n" +
                (i % 5 == 0 ? "" : "<name>P" + std::to_string(i) + "</name>") +
                "<cmt>a comment longer than a short string holds</cmt>\n"
                "<extensions><x:WaypointExtension><x:Address><x:City>C" +
                std::to_string(i) + "</x:City></x:Address></x:WaypointExtension></extensions>" +
                "</wpt>" + (i % 2 ? "\r\n" : "\n");
    return text;
}

// The later part parses only where the split lay between the root's children.
bool partsParse(const std::string& document) {
    std::optional<XMLSplit> split = XMLSplit::find(document, "wpt");
    if (!split)
        return false;
    GPXImporter::Delegate earlier;
    GPXImporter::Delegate later;
    return parseSplit(document, *split, earlier, later, ImportError::Document::gpx).has_value();
}

std::variant<ImportResult, ImportError> outcome(const GPXImporter& importer,
                                                const std::string& document) {
    try {
        return importer.importData(document);
    } catch (const ImportError& error) {
        return error;
    }
}

} // namespace

TEST(GPXSplitTest, ReadingInTwoPartsGivesWhatReadingInOneGoGives) {
    const std::string comment = "<!-- " + std::string(300, ' ') + waypoints(900, 2) + " -->\n";
    const std::string cdata = "<![CDATA[" + std::string(300, ' ') + waypoints(900, 2) + "]]>\n";
    const std::string nested = "<wpt lat=\"1\" lon=\"2\"><name>Outer</name><extensions>" +
                               std::string(300, ' ') + "<x:Deeper>" + waypoints(900, 2) +
                               "</x:Deeper></extensions></wpt>\n";
    struct Case {
        const char* title;
        std::string document;
        bool partsParse;
    };
    const Case cases[] = {
        {"issues, CRLF lines and details in the later part",
         header() + waypoints(0, 40) + "</gpx>\n", true},
        {"prefixed root, extension prefix declared on it",
         header("g") + waypoints(0, 40) + "</g:gpx>", true},
        {"wpt in a comment at the middle",
         header() + waypoints(0, 3) + comment + waypoints(3, 3) + "</gpx>", false},
        {"wpt in CDATA at the middle",
         header() + waypoints(0, 3) + cdata + waypoints(3, 3) + "</gpx>", false},
        {"wpt nested in extensions around the middle",
         header() + waypoints(0, 3) + nested + waypoints(3, 3) + "</gpx>", false},
        {"broken in the later part", header() + waypoints(0, 20) + waypoints(20, 20) + "</gpk>",
         false},
        {"broken in the earlier part",
         header() + waypoints(0, 10) + "<bad a='1' a='2'/>" + waypoints(10, 30) + "</gpx>", false},
        {"unclosed root", header() + waypoints(0, 40), false},
        {"declares entities",
         header("", "<!DOCTYPE gpx [<!ENTITY n \"P\">]>\n") + waypoints(0, 40) + "</gpx>", false},
        {"too small to split: no waypoint after the middle", header() + waypoints(0, 1) + "</gpx>",
         false},
    };
    const GPXImporter inOneGo(std::numeric_limits<std::size_t>::max());
    const GPXImporter inParts(1);
    for (const Case& c : cases) {
        EXPECT_EQ(partsParse(c.document), c.partsParse) << c.title;
        auto expected = outcome(inOneGo, c.document);
        EXPECT_EQ(outcome(inParts, c.document), expected) << c.title;
    }
}
