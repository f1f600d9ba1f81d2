#include "core/import/KMLImporter.h"

#include "core/import/ImportError.h"
#include "tests/core/import/ImportPrinters.h"

#include <gtest/gtest.h>
#include <string>

using namespace marklode;

namespace {

POI poi(double lat, double lon, std::string name, std::optional<std::string> comment = {},
        POIDetails details = {}) {
    POI made{lat, lon, std::move(name), std::move(comment), std::nullopt, std::nullopt};
    made.setDetails(std::move(details));
    return made;
}

POIDetails in(std::string category) {
    return POIDetails{std::move(category), {}, {}};
}

std::string kml(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml "
           "xmlns=\"http://www.opengis.net/kml/2.2\" "
           "xmlns:gx=\"http://www.google.com/kml/ext/2.2\"><Document>\n" +
           body + "\n</Document></kml>\n";
}

std::string placemark(const std::string& inner) {
    return "<Placemark><name>P</name>" + inner + "</Placemark>";
}

const std::string at12 = "<Point><coordinates>2,1</coordinates></Point>";

} // namespace

TEST(KMLImporterTest, ImportsPlacemarks) {
    struct Case {
        const char* title;
        std::string body; // starts on line 3
        std::vector<POI> pois;
        std::vector<ImportIssue> issues;
    };
    const Case cases[] = {
        {"point with altitude and spaces",
         "<Placemark><name> Bern </name><Point><coordinates>\n 7.45 , 46.95 ,540 \n"
         "</coordinates></Point></Placemark>",
         {poi(46.95, 7.45, "Bern")},
         {}},
        {"lines, polygons, tracks and nothing are issues",
         "<Placemark><name>L</name><LineString><coordinates>1,2 3,4</coordinates></LineString>"
         "</Placemark>\n<Placemark><name>A</name><Polygon><outerBoundaryIs><LinearRing>"
         "<coordinates>1,2 3,4 1,2</coordinates></LinearRing></outerBoundaryIs></Polygon>"
         "</Placemark>\n<Placemark><name>T</name><gx:Track><gx:coord>1 2 3</gx:coord></gx:Track>"
         "</Placemark>\n<Placemark><name>N</name></Placemark>\n" +
             placemark("<Point/>"),
         {},
         {{3, "Not a point."},
          {4, "Not a point."},
          {5, "Not a point."},
          {6, "Missing coordinates."},
          {7, "Missing coordinates."}}},
        {"bad coordinates",
         placemark("<Point><coordinates>1</coordinates></Point>") + "\n" +
             placemark("<Point><coordinates>181,0</coordinates></Point>") + "\n" +
             placemark("<Point><coordinates>" + std::string(100, '9') + "</coordinates></Point>"),
         {},
         {{3, "Invalid coordinates \"1\"."},
          {4, "Invalid coordinates \"181,0\"."},
          {5, "Invalid coordinates \"" + std::string(60, '9') + "\u2026\"."}}},
        {"multi geometry: its points, each with the placemark's fields",
         "<Placemark><name>M</name><description>d</description><MultiGeometry>"
         "<LineString><coordinates>0,0 1,1</coordinates></LineString>"
         "<Point><coordinates>2,1</coordinates></Point><MultiGeometry><Point>"
         "<coordinates>4,3</coordinates></Point></MultiGeometry><Point><coordinates>x"
         "</coordinates></Point></MultiGeometry></Placemark>\n"
         "<Placemark><name>L</name><MultiGeometry><LineString><coordinates>0,0 1,1</coordinates>"
         "</LineString></MultiGeometry></Placemark>",
         {poi(1, 2, "M", "d"), poi(3, 4, "M", "d")},
         {{3, "Invalid coordinates \"x\"."}, {4, "Not a point."}}},
        {"missing or blank name",
         "<Placemark>" + at12 + "</Placemark>\n<Placemark><name> \n</name>" + at12 +
             "</Placemark>\n<Placemark><ExtendedData><Data name=\"name\"><value>N</value></Data>"
             "</ExtendedData>" +
             at12 + "</Placemark>",
         {},
         {{3, "Missing name."}, {4, "Missing name."}, {6, "Missing name."}}},
        {"nested folders are categories, unnamed ones skipped, names may come late",
         "<Folder><name> Trips </name><Folder><Placemark><name>A</name>" + at12 +
             "</Placemark><Folder>" + placemark(at12) +
             "<name>Swiss</name></Folder></Folder></Folder>" + placemark(at12),
         {poi(1, 2, "A", {}, in("Trips")), poi(1, 2, "P", {}, in("Trips / Swiss")), poi(1, 2, "P")},
         {}},
        {"description as text, HTML read",
         "<Placemark><name>A</name><description><![CDATA[<b>Open</b><br>daily &amp; "
         "late]]></description>" +
             at12 + "</Placemark>\n" + placemark("<description>  </description>" + at12),
         {poi(1, 2, "A", "Open\ndaily & late"), poi(1, 2, "P")},
         {}},
        {"extended data by any-case names; description wins, element phone wins",
         "<Folder><name>F</name><Placemark><name>A</name><phoneNumber> +41 1 </phoneNumber>"
         "<ExtendedData><Data name=\"Description\"><displayName>x</displayName><value> From "
         "data </value></Data><Data name=\"CATEGORY\"><value>Fuel</value></Data><Data "
         "name=\"Tel\"><value>+41 2</value></Data><SchemaData schemaUrl=\"#s\"><SimpleData "
         "name=\"city\"> Bern </SimpleData><SimpleData name=\"ZIP\">3000</SimpleData>"
         "<SimpleData name=\"unknown\">u</SimpleData></SchemaData></ExtendedData>" +
             at12 + "</Placemark></Folder>\n" +
             placemark("<description>D</description><ExtendedData><Data name=\"notes\">"
                       "<value>N</value></Data><Data name=\"phone\"><value>+41 3</value></Data>"
                       "</ExtendedData>" +
                       at12),
         {poi(1, 2, "A", "From data", POIDetails{"Fuel", {"", "Bern", "", "3000", ""}, "+41 1"}),
          poi(1, 2, "P", "D", POIDetails{"", {}, "+41 3"})},
         {}},
        {"address line is the street unless extended data gives parts",
         placemark("<address> Bahnhofstrasse 1, 3000 Bern </address>" + at12) + "\n" +
             placemark("<address>Line</address><ExtendedData><Data name=\"country\"><value>CH"
                       "</value></Data></ExtendedData>" +
                       at12),
         {poi(1, 2, "P", {}, POIDetails{"", {"Bahnhofstrasse 1, 3000 Bern"}, ""}),
          poi(1, 2, "P", {}, POIDetails{"", {"", "", "", "", "CH"}, ""})},
         {}},
        {"issue lines are placemark start lines; outside placemarks nothing counts",
         "<name>Doc</name><Point><coordinates>1,2</coordinates></Point>\n\n<Placemark\n>"
         "<LineString/></Placemark>",
         {},
         {{5, "Not a point."}}},
    };
    for (const Case& c : cases) {
        ImportResult result = KMLImporter().importData(kml(c.body));
        EXPECT_EQ(result.pois, c.pois) << c.title;
        EXPECT_EQ(result.issues, c.issues) << c.title;
        EXPECT_TRUE(result.categoryImages.empty()) << c.title;
    }
}

TEST(KMLImporterTest, RefusesBrokenXMLAndOverlongTexts) {
    EXPECT_EQ(KMLImporter().importData(" \n"), ImportResult{});
    try {
        KMLImporter().importData("<kml>\n<Placemark></kml>");
        ADD_FAILURE() << "no error";
    } catch (const ImportError& error) {
        EXPECT_EQ(error, ImportError::invalidXML(2, "mismatched tag", ImportError::Document::kml));
    }
    std::string huge(1'100'000, 'x');
    ImportResult result = KMLImporter().importData(
        kml(placemark("<description>" + huge + "</description>" + at12) + "\n" + placemark(at12)));
    EXPECT_EQ(result.pois, std::vector<POI>{poi(1, 2, "P")});
    EXPECT_EQ(result.issues, (std::vector<ImportIssue>{{3, "A text is longer than 1 MB."}}));
}
