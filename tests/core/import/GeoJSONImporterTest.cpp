#include "core/import/GeoJSONImporter.h"

#include "core/import/ImportError.h"
#include "tests/core/import/ImportPrinters.h"

#include <gtest/gtest.h>
#include <string>

using namespace marklode;

namespace {

POI poi(double lat, double lon, std::string name, std::optional<std::string> comment = {},
        POIDetails details = {}) {
    POI result{lat, lon, std::move(name), std::move(comment), std::nullopt, std::nullopt};
    result.setDetails(std::move(details));
    return result;
}

ImportIssue issue(std::int64_t feature, std::string message) {
    return ImportIssue{feature, std::move(message), ImportIssue::Place::feature};
}

std::string collection(const std::string& features) {
    return R"({"type": "FeatureCollection", "features": [)" + features + "]}";
}

std::string point(const std::string& coordinates, const std::string& properties) {
    return R"({"type": "Feature", "geometry": {"type": "Point", "coordinates": )" + coordinates +
           R"(}, "properties": )" + properties + "}";
}

ImportError importError(const std::string& bytes) {
    try {
        GeoJSONImporter().importData(bytes);
        ADD_FAILURE() << "imported " << bytes;
    } catch (const ImportError& error) {
        return error;
    }
    return ImportError::unreadableText();
}

} // namespace

TEST(GeoJSONImporterTest, TakesPointsAndTellsOtherFeaturesByPosition) {
    struct Case {
        const char* title;
        std::string features;
        std::vector<POI> pois;
        std::vector<ImportIssue> issues;
    };
    const Case cases[] = {
        {"point with altitude, members in any order",
         R"({"properties": {"name": "Bern"}, "geometry": {"coordinates": [7.45, 46.95, 540],)"
         R"( "type": "Point"}, "type": "Feature"})",
         {poi(46.95, 7.45, "Bern")},
         {}},
        {"each point of a MultiPoint with the feature's fields",
         R"({"type": "Feature", "properties": {"name": "Gate", "category": "Exits"},)"
         R"( "geometry": {"type": "MultiPoint", "coordinates": [[1, 2], [200, 2], [3, 4]]}})",
         {poi(2, 1, "Gate", {}, {"Exits"}), poi(4, 3, "Gate", {}, {"Exits"})},
         {issue(1, "Invalid longitude \"200\".")}},
        {"other geometries and broken positions",
         point("[1, 2]", R"({"name": "A"})") + "," +
             R"({"type": "Feature", "properties": {"name": "L"}, "geometry": {"type": )"
             R"("LineString", "coordinates": [[1, 2], [3, 4]]}},)" +
             R"({"type": "Feature", "properties": {"name": "N"}, "geometry": null}, 5,)" +
             point("[1, 91]", R"({"name": "B"})") + "," + point(R"(["x", 2])", "{}") + "," +
             point("[1]", R"({"name": "C"})") + "," + point("[1, 2]", R"({"name": " "})") + "," +
             R"({"type": "Feature", "geometry": {"type": "MultiPoint", "coordinates": []}},)" +
             R"({"type": "Point", "coordinates": [1, 2]})",
         {poi(2, 1, "A")},
         {issue(2, "Not a point."), issue(3, "Missing geometry."), issue(4, "Not a feature."),
          issue(5, "Invalid latitude \"91\"."), issue(6, "Invalid longitude \"x\"."),
          issue(7, "Invalid coordinates."), issue(8, "Missing name."), issue(9, "Missing points."),
          issue(10, "Not a feature.")}},
    };
    for (const Case& c : cases) {
        ImportResult result = GeoJSONImporter().importData(collection(c.features));
        EXPECT_EQ(result.pois, c.pois) << c.title;
        EXPECT_EQ(result.issues, c.issues) << c.title;
    }
}

TEST(GeoJSONImporterTest, ReadsPropertiesByTheirUsualNames) {
    struct Case {
        const char* title;
        std::string properties;
        POI expected;
    };
    const Case cases[] = {
        {"name, comment and category", R"({"Title": " Café ", "desc": "Open", "Category": "Food"})",
         poi(2, 1, "Café", "Open", {"Food"})},
        {"first value that is not blank counts",
         R"({"name": "", "title": "T", "name": "later", "description": null, "comment": "C"})",
         poi(2, 1, "T", "C")},
        {"CSV column names in any case",
         R"({"name": "A", "Street": "Main St 1", "CITY": "Springfield", "State": "IL",)"
         R"( "ZIP": "62701", "Country": "US", "Tel": "+1 217 555 0100"})",
         poi(2, 1, "A", {},
             {"", {"Main St 1", "Springfield", "IL", "62701", "US"}, "+1 217 555 0100"})},
        {"OpenStreetMap tags, house number after the street",
         R"({"name": "A", "addr:street": "Bahnhofstrasse", "addr:housenumber": "12",)"
         R"( "addr:postcode": "8001", "addr:city": "Zürich", "addr:state": "ZH",)"
         R"( "addr:country": "CH", "contact:phone": "+41 44 000 00 00"})",
         poi(2, 1, "A", {},
             {"", {"Bahnhofstrasse 12", "Zürich", "ZH", "8001", "CH"}, "+41 44 000 00 00"})},
        {"numbers as their text, other values left out",
         R"({"name": 42, "addr:postcode": 8001, "phone": 41791234567, "comment": 1.50,)"
         R"( "category": 123456789012345678901234567890, "city": {"a": 1}, "country": [1],)"
         R"( "street": true})",
         poi(2, 1, "42", "1.5",
             {"123456789012345678901234567890", {"true", "", "", "8001", ""}, "41791234567"})},
    };
    for (const Case& c : cases) {
        ImportResult result =
            GeoJSONImporter().importData(collection(point("[1, 2]", c.properties)));
        EXPECT_EQ(result.issues, std::vector<ImportIssue>{}) << c.title;
        ASSERT_EQ(result.pois.size(), 1u) << c.title;
        EXPECT_EQ(result.pois[0], c.expected) << c.title;
    }
}

TEST(GeoJSONImporterTest, ReadsASingleFeatureAndIgnoresTheByteOrderMark) {
    ImportResult one =
        GeoJSONImporter().importData("\xEF\xBB\xBF" + point("[1, 2]", R"({"name": "A"})"));
    EXPECT_EQ(one.pois, std::vector<POI>{poi(2, 1, "A")});
    ImportResult unnamed = GeoJSONImporter().importData(point("[1, 2]", "null"));
    EXPECT_EQ(unnamed.issues, std::vector<ImportIssue>{issue(1, "Missing name.")});
    EXPECT_EQ(GeoJSONImporter().importData(" \n"), ImportResult{});
}

TEST(GeoJSONImporterTest, RefusesWhatIsNotGeoJSON) {
    struct Case {
        std::string bytes;
        ImportError error;
    };
    const Case cases[] = {
        // An unclosed string is found before any position is known.
        {collection(point("[1, 2]", "{}")).substr(0, 60), ImportError::invalidJSON(0, "")},
        {"{\"type\": \"FeatureCollection\",\n\"features\": [\n" + point("[1, 2]", "{}"),
         ImportError::invalidJSON(3, "")},
        {"{\"type\": \"FeatureCollection\",\n\"features\": [\n{\"type\": \"Feature\"}\n,,]}",
         ImportError::invalidJSON(4, "")},
        {collection("") + " {}", ImportError::invalidJSON(1, "")},
        {"{\"name\": \"caf\xE9\"}", ImportError::jsonNotUTF8()},
        {R"([{"type": "Feature"}])", ImportError::notGeoJSON("")},
        {R"({"type": "Topology", "objects": {}})", ImportError::notGeoJSON("Topology")},
        {R"({"type": "FeatureCollection", "features": {}})",
         ImportError::notGeoJSON("FeatureCollection")},
        {R"({"type": "Point", "coordinates": [1, 2]})", ImportError::notGeoJSON("Point")},
    };
    for (const Case& c : cases) {
        ImportError error = importError(c.bytes);
        // The parser's own words are its business; what kind and where are ours.
        if (auto* invalid = std::get_if<ImportError::InvalidJSON>(&error.kind)) {
            EXPECT_FALSE(invalid->message.empty());
            invalid->message.clear();
        }
        EXPECT_EQ(error, c.error) << c.bytes;
    }
}
