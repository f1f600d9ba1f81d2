#include "cli/CliRunner.h"
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
