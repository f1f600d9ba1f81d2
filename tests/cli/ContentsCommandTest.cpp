#include "cli/CliRunner.h"
#include "core/gpi/GPIWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using marklode::test::readText;
using marklode::test::runCli;
using marklode::test::TempDir;
using nlohmann::json;

TEST(InspectCommandTest, ReportsReaderErrorsAsTheirKinds) {
    TempDir dir;
    auto gpi = dir / "ok.gpi";
    ASSERT_EQ(runCli({"convert", std::string(MARKLODE_EXAMPLES) + "/zurich-viewpoints.csv", "-o",
                      gpi.string()})
                  .status,
              0);
    std::string bytes = readText(gpi);
    auto cut = dir.write("cut.gpi", bytes.substr(0, bytes.size() - 1));
    auto text = dir.write("text.gpi", "this is not a gpi file at all");
    struct Case {
        std::filesystem::path file;
        json expected;
    } cases[] = {
        {cut, {{"error", "damaged"}, {"offset", bytes.size() - 8}}},
        {text, {{"error", "notAGPIFile"}}},
    };
    for (const Case& c : cases) {
        auto run = runCli({"inspect", c.file.string(), "--json"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(json::parse(run.out), c.expected);
    }
    auto human = runCli({"inspect", gpi.string()});
    EXPECT_EQ(human.status, 0);
    EXPECT_EQ(human.out, "“zurich-viewpoints”: 6 POIs\n6 POIs in 1 category\n");
    auto missing = runCli({"inspect", (dir / "missing.gpi").string(), "--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(json::parse(missing.out), (json{{"error", "The file no longer exists."}}));
}

TEST(InspectCommandTest, ListsPOIsOnlyWhenAsked) {
    marklode::POI poi{47.5, 8.25, "Bahnhof", "Gleis 1", std::nullopt, 100.0};
    poi.setDetails({"", {"Bahnhofstraße 1", "Zürich", "", "8001", "Schweiz"}, "+41 44"});
    marklode::GPIWriter writer{"Halt", "EN", "test", std::nullopt, std::nullopt};
    auto bytes = writer.dataFor({poi});
    TempDir dir;
    auto gpi = dir.write("details.gpi", std::string(bytes.begin(), bytes.end())).string();

    json expected = json::parse(R"({"categories":[{"name":"Halt","poiCount":1,"pois":[
        {"latitude":47.5,"longitude":8.25,"name":"Bahnhof","comment":"Gleis 1",
         "proximityMeters":100,"address":{"street":"Bahnhofstraße 1","city":"Zürich",
         "postalCode":"8001","country":"Schweiz"},"phone":"+41 44"}]}],"poiCount":1})");
    EXPECT_EQ(json::parse(runCli({"inspect", gpi, "--pois", "--json"}).out), expected);
    expected["categories"][0].erase("pois");
    EXPECT_EQ(json::parse(runCli({"inspect", gpi, "--json"}).out), expected);
    EXPECT_EQ(runCli({"inspect", gpi, "--pois"}).out,
              "“Halt”: 1 POI\n"
              "   47.500000    8.250000  Bahnhof — Gleis 1  [proximity 100 m]  [address "
              "Bahnhofstraße 1, 8001 Zürich, Schweiz]  [phone +41 44]\n"
              "1 POI in 1 category\n");
}
