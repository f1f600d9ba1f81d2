#include "cli/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <unistd.h>

using marklode::test::runCli;
using marklode::test::TempDir;
using nlohmann::json;

namespace {

json parseJson(const std::string& text) {
    return json::parse(text);
}

} // namespace

TEST(ImportCommandTest, JsonListsPOIsWithPresentKeysOnlyAndIssuesWithLines) {
    TempDir dir;
    auto csv = dir.write("stops.csv", "Name,Lat,Lon,Notes\n"
                                      "Bern,46.95,7.45,Capital\n"
                                      "Main St @50,47.3,8.5,\n"
                                      ",1,2,x\n");
    auto run = runCli({"import", csv.string(), "--json", "--speed-unit", "mph"});
    ASSERT_EQ(run.status, 0) << run.err;
    json doc = parseJson(run.out);
    ASSERT_EQ(doc["pois"].size(), 2u);
    EXPECT_EQ(
        doc["pois"][0],
        (json{{"latitude", 46.95}, {"longitude", 7.45}, {"name", "Bern"}, {"comment", "Capital"}}));
    EXPECT_EQ(doc["pois"][1]["name"], "Main St");
    EXPECT_DOUBLE_EQ(doc["pois"][1]["speedKmh"].get<double>(), 80.4672);
    EXPECT_FALSE(doc["pois"][1].contains("comment"));
    EXPECT_EQ(doc["issues"], (json::array({{{"line", 4}, {"message", "Missing name."}}})));
    EXPECT_EQ(run.err, csv.string() + ": Line 4: Missing name.\n");
}

TEST(ImportCommandTest, FormatNamesAnyInputKind) {
    TempDir dir;
    auto kml = dir.write("places.txt", "<kml><Folder><name>Fuel</name><Placemark><name>A</name>"
                                       "<address>Main St 1</address><Point><coordinates>2,1"
                                       "</coordinates></Point></Placemark></Folder></kml>");
    auto run = runCli({"import", kml.string(), "--format", "kml", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(parseJson(run.out)["pois"], json::array({{{"latitude", 1},
                                                        {"longitude", 2},
                                                        {"name", "A"},
                                                        {"category", "Fuel"},
                                                        {"address", {{"street", "Main St 1"}}}}}));
    auto wrong = runCli({"import", kml.string(), "--format", "xml"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--format must be csv, gpx, kml, kmz or geojson"), std::string::npos);
}

// A .json file is read as GeoJSON; its skipped features are told by position, in both forms.
TEST(ImportCommandTest, GeoJSONIssuesNameTheirFeatures) {
    TempDir dir;
    auto path = dir.write("shops.json", R"({"type": "FeatureCollection", "features": [
        {"type": "Feature", "geometry": {"type": "Point", "coordinates": [8.5, 47.3]},
         "properties": {"name": "Bakery", "addr:street": "Seestrasse", "addr:housenumber": 4}},
        {"type": "Feature", "geometry": {"type": "LineString", "coordinates": [[8, 47], [9, 47]]},
         "properties": {"name": "Trail"}}]})");
    auto run = runCli({"import", path.string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json doc = parseJson(run.out);
    ASSERT_EQ(doc["pois"].size(), 1u);
    EXPECT_EQ(doc["pois"][0]["address"]["street"], "Seestrasse 4");
    EXPECT_EQ(doc["issues"],
              (json::array({{{"line", 2}, {"message", "Not a point."}, {"place", "feature"}}})));
    EXPECT_EQ(run.err, path.string() + ": Feature 2: Not a point.\n");
}

TEST(ImportCommandTest, NumbersReadBackToTheSameDouble) {
    TempDir dir;
    auto csv = dir.write("p.csv", "0.1,0.30000000000000004,A\n-179.99999999999997,1e-7,B\n");
    auto run = runCli({"import", csv.string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json doc = parseJson(run.out);
    EXPECT_EQ(doc["pois"][0]["longitude"].get<double>(), 0.1);
    EXPECT_EQ(doc["pois"][0]["latitude"].get<double>(), 0.30000000000000004);
    EXPECT_EQ(doc["pois"][1]["longitude"].get<double>(), -179.99999999999997);
    EXPECT_EQ(doc["pois"][1]["latitude"].get<double>(), 1e-7);
}

TEST(ImportCommandTest, NonFiniteValuesAreWrittenAsValidJsonNumbers) {
    TempDir dir;
    auto csv = dir.write("fast.csv", "1,2,Fast @" + std::string(400, '9') + "\n");
    auto gpx = dir.write(
        "far.gpx", R"(<gpx><wpt lat="1" lon="2"><name>Far</name>)"
                   R"(<extensions><x:proximity xmlns:x="urn:x">inf</x:proximity></extensions>)"
                   R"(</wpt></gpx>)");
    for (auto [file, key] : {std::pair{csv, "speedKmh"}, std::pair{gpx, "proximityMeters"}}) {
        auto run = runCli({"import", file.string(), "--json", "--speed-unit", "kmh"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(std::string("\"") + key + "\":1e999"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("null"), std::string::npos);
    }
}

TEST(ImportCommandTest, FailuresPrintTheUserMessageAndExitOne) {
    TempDir dir;
    auto broken = dir.write("broken.gpx", "<gpx>\n<wpt lat=\"1\" lon=\"2\">\n</gpx>\n");
    auto cp = dir.write("bad.csv", std::string("1,2,A\x81\n"));
    auto kmz = dir.write("places.kmz", "<kml></kml>");
    auto package = dir.write("package.json", R"({"name": "app", "version": "1.0.0"})");
    auto cut =
        dir.write("cut.geojson",
                  "{\"type\": \"FeatureCollection\",\n\"features\": [\n{\"type\": \"Feature\",\n");
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {(dir / "missing.csv").string(), "The file no longer exists."},
        {broken.string(), "This GPX file is damaged or not valid XML (problem near line 3)."},
        {cp.string(),
         "The file's text could not be read. Save it as UTF-8 or Windows-1252 and try again."},
        {dir.path().string(), "Something went wrong: Is a directory."},
        {kmz.string(),
         "This KMZ file is damaged or not a zip archive. Save or export it again and try again."},
        {package.string(), "This file is not GeoJSON. Marklode reads a GeoJSON FeatureCollection "
                           "or a single Feature."},
        {cut.string(), "This GeoJSON file is damaged or not valid JSON (problem near line 3)."},
    };
    for (const Case& c : cases) {
        auto human = runCli({"import", c.path});
        EXPECT_EQ(human.status, 1);
        EXPECT_EQ(human.err, c.message + "\n");
        EXPECT_EQ(human.out, "");
        auto machine = runCli({"import", c.path, "--json"});
        EXPECT_EQ(machine.status, 1);
        EXPECT_EQ(parseJson(machine.out), (json{{"error", c.message}}));
    }
}

// Root reads and writes everywhere, so as root the refusals are tested as the user nobody.
TEST(ImportCommandTest, PermissionRefusalsWhenReadingAndSaving) {
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all |
                                                 std::filesystem::perms::others_read |
                                                 std::filesystem::perms::others_exec);
    auto csv = dir.write("secret.csv", "1,2,A\n");
    ::chmod(csv.c_str(), 0);
    auto readable = dir.write("open.csv", "1,2,A\n");
    std::optional<uid_t> user;
    if (::geteuid() == 0)
        user = marklode::test::nobody;
    auto read = runCli({"import", csv.string()}, {}, user);
    EXPECT_EQ(read.status, 1);
    EXPECT_EQ(read.err, "Marklode doesn't have permission to read this file.\n");
    auto save = runCli({"convert", readable.string(), "-o", (dir / "out.gpi").string()}, {}, user);
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.err,
              readable.string() +
                  ": Marklode doesn't have permission to save there. Choose another folder.\n");
}

TEST(ImportCommandTest, UsageErrorsExitTwo) {
    TempDir dir;
    auto csv = dir.write("a.csv", "1,2,A\n");
    const std::vector<std::vector<std::string>> cases = {
        {"import"},
        {"import", csv.string(), csv.string()},
        {"import", csv.string(), "--speed-unit", "knots"},
        {"import", csv.string(), "--format", "json"},
        {"import", csv.string(), "--frobnicate"},
        {"no-such-command"},
        {},
    };
    for (const auto& args : cases) {
        auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
        EXPECT_NE(run.err, "");
    }
}

TEST(ImportCommandTest, SpeedUnitDefaultsByTheLocaleRegion) {
    TempDir dir;
    auto csv = dir.write("a.csv", "1,2,A @50\n");
    struct Case {
        std::map<std::string, std::string> env;
        double speed;
    } cases[] = {
        {{{"LC_ALL", "en_US.UTF-8"}}, 80.4672},
        {{{"LC_ALL", ""}, {"LC_MEASUREMENT", ""}, {"LANG", "de_DE.UTF-8"}}, 50},
        {{{"LC_ALL", "C"}}, 50},
        {{{"LC_ALL", "en_GB"}}, 50},
    };
    for (const Case& c : cases) {
        auto run = runCli({"import", csv.string(), "--json"}, c.env);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_DOUBLE_EQ(parseJson(run.out)["pois"][0]["speedKmh"].get<double>(), c.speed);
    }
}

TEST(ImportCommandTest, HumanSummaryAndHelp) {
    TempDir dir;
    auto csv = dir.write("two.csv", "8.5,47.3,Zurich\n7.45,46.95,Bern,Capital\n");
    auto run = runCli({"import", csv.string(), "--speed-unit", "kmh"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), csv.string() + ": 2 POIs, 0 skipped rows");
    EXPECT_NE(run.out.find("Bern — Capital"), std::string::npos);

    auto help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("import"), std::string::npos);
    auto importHelp = runCli({"import", "--help"});
    EXPECT_EQ(importHelp.status, 0);
    EXPECT_NE(importHelp.out.find("--speed-unit"), std::string::npos);
}
