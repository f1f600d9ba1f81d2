#include "cli/CliRunner.h"
#include "support/ImageFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using marklode::test::readText;
using marklode::test::runCli;
using marklode::test::TempDir;
using nlohmann::json;

namespace {

const std::string examples = MARKLODE_EXAMPLES;
const std::map<std::string, std::string> fixedTime = {{"SOURCE_DATE_EPOCH", "1700000000"}};

json inspect(const std::filesystem::path& gpi) {
    auto run = runCli({"inspect", gpi.string(), "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
}

std::string convert(const TempDir& dir, const std::vector<std::string>& extra,
                    const std::string& name,
                    const std::map<std::string, std::string>& env = fixedTime) {
    std::vector<std::string> args = {"convert"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.insert(args.end(), {"-o", (dir / name).string()});
    auto run = runCli(args, env);
    EXPECT_EQ(run.status, 0) << run.err;
    return readText(dir / name);
}

} // namespace

TEST(ConvertCommandTest, SingleInputUsesItsFileNameAsCategory) {
    TempDir dir;
    auto run =
        runCli({"convert", examples + "/alpine-passes.gpx", "-o", (dir / "passes.gpi").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, examples + "/alpine-passes.gpx: Line 28: Waypoint has invalid lat/lon.\n");
    EXPECT_EQ(
        inspect(dir / "passes.gpi"),
        (json{{"categories", {{{"name", "alpine-passes"}, {"poiCount", 5}}}}, {"poiCount", 5}}));

    auto named = runCli({"convert", examples + "/alpine-passes.gpx", "--category", "  Passes ",
                         "-o", (dir / "named.gpi").string()});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(inspect(dir / "named.gpi")["categories"][0]["name"], "Passes");
}

TEST(ConvertCommandTest, TimestampMakesOutputReproducible) {
    TempDir dir;
    std::string csv = examples + "/zurich-viewpoints.csv";
    std::string first = convert(dir, {csv}, "a.gpi");
    EXPECT_EQ(convert(dir, {csv}, "b.gpi"), first);
    EXPECT_EQ(convert(dir, {csv, "--timestamp", "1700000000"}, "c.gpi", {}), first);
    EXPECT_NE(convert(dir, {csv, "--timestamp", "1700000001"}, "d.gpi"), first);
    auto bad =
        runCli({"convert", csv, "-o", (dir / "e.gpi").string()}, {{"SOURCE_DATE_EPOCH", "soon"}});
    EXPECT_EQ(bad.status, 2);
}

TEST(ConvertCommandTest, SidecarIconIsUsedAndAnUnusableOneFallsBackWithAWarning) {
    TempDir dir;
    std::string csv = examples + "/zurich-viewpoints.csv";
    std::string bmp = examples + "/zurich-viewpoints.bmp";
    std::string withSidecar = convert(dir, {csv}, "sidecar.gpi");
    EXPECT_EQ(convert(dir, {csv, "--icon", bmp}, "explicit.gpi"), withSidecar);

    auto copy = dir.write("Stops.csv", readText(csv));
    std::string builtIn = convert(dir, {copy.string()}, "builtin.gpi");
    EXPECT_NE(builtIn, withSidecar);
    dir.write("stops.BMP", "BM not really an image");
    auto run = runCli({"convert", copy.string(), "-o", (dir / "fallback.gpi").string()}, fixedTime);
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(
        run.err.find("stops.BMP: The icon can't be used. The icon is not a BMP file. Use a 24-bit "
                     "BMP of at most 24×24 pixels.\n"),
        std::string::npos)
        << run.err;
    EXPECT_EQ(readText(dir / "fallback.gpi"), builtIn);

    auto badIcon = runCli({"convert", csv, "--icon", (dir / "stops.BMP").string(), "-o",
                           (dir / "never.gpi").string()});
    EXPECT_EQ(badIcon.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "never.gpi"));
}

TEST(ConvertCommandTest, APNGBesideTheInputOrNamedIsItsIcon) {
    TempDir dir;
    auto csv = dir.write("Stops.csv", readText(examples + "/zurich-viewpoints.csv")).string();
    std::string builtIn = convert(dir, {csv}, "builtin.gpi");
    auto png = marklode::test::makePNG(30, 30, PNG_FORMAT_RGB, std::vector<std::uint8_t>(2700, 9));
    auto icon = dir.write("STOPS.png", std::string(png.begin(), png.end()));
    std::string withSidecar = convert(dir, {csv}, "sidecar.gpi");
    EXPECT_NE(withSidecar, builtIn);
    std::filesystem::rename(icon, dir / "elsewhere.png");
    EXPECT_EQ(convert(dir, {csv, "--icon", (dir / "elsewhere.png").string()}, "named.gpi"),
              withSidecar);
}

TEST(ConvertCommandTest, ProximityOptionsFollowTheFileRules) {
    TempDir dir;
    auto gpx =
        dir.write("p.gpx", R"(<gpx><wpt lat="1" lon="2"><name>A</name>)"
                           R"(<extensions><proximity>250</proximity></extensions></wpt></gpx>)");
    auto csv = dir.write("p.csv", "2,1,A\n");
    // Alerts add a record, so file sizes tell whether a distance was written.
    auto size = [&](const std::vector<std::string>& args) {
        return convert(dir, args, "out.gpi").size();
    };
    std::size_t gpxDefault = size({gpx.string()});
    EXPECT_EQ(size({gpx.string(), "--proximity", "off"}), size({csv.string()}));
    EXPECT_GT(gpxDefault, size({gpx.string(), "--proximity", "off"}));
    EXPECT_EQ(
        size({csv.string(), "--proximity", "fixed", "--distance", "100", "--distance-unit", "ft"}),
        gpxDefault);
    for (auto bad : {std::vector<std::string>{"--proximity", "sometimes"},
                     {"--distance", "far"},
                     {"--proximity", "fixed", "--distance", "70000"},
                     {"--distance-unit", "yd"},
                     {"--speed-unit", "knots"}}) {
        std::vector<std::string> args = {"convert", csv.string(), "-o", (dir / "x.gpi").string()};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(runCli(args).status, 2) << bad[0];
    }
}

TEST(ConvertCommandTest, DirectoryModeNamesLikeSaveAllAndReplacesOnlyWithForce) {
    TempDir dir;
    auto csv = dir.write("in/route.csv", "8.5,47.3,Zurich\n");
    auto gpx = dir.write("in/Route.gpx",
                         R"(<gpx><wpt lat="46.9" lon="7.4"><name>Bern</name></wpt></gpx>)");
    auto broken = dir.write("in/broken.gpx", "<gpx>");
    std::filesystem::create_directory(dir / "out");
    auto run = runCli(
        {"convert", csv.string(), broken.string(), gpx.string(), "-d", (dir / "out").string()});
    EXPECT_EQ(run.status, 1) << "the broken input fails, the others are written";
    EXPECT_NE(run.err.find("broken.gpx: This GPX file is damaged"), std::string::npos);
    EXPECT_EQ(inspect(dir / "out/route.gpi")["categories"][0]["name"], "route");
    EXPECT_EQ(inspect(dir / "out/Route 2.gpi")["categories"][0]["name"], "Route");

    dir.write("out/route.gpi", "precious");
    auto again = runCli({"convert", csv.string(), gpx.string(), "-d", (dir / "out").string()});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("“route.gpi” already exists."), std::string::npos);
    EXPECT_EQ(readText(dir / "out/route.gpi"), "precious");
    auto forced =
        runCli({"convert", csv.string(), gpx.string(), "-d", (dir / "out").string(), "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(inspect(dir / "out/route.gpi")["poiCount"], 1);
}

TEST(ConvertCommandTest, CombinedHoldsOneCategoryPerInputWithPOIs) {
    TempDir dir;
    auto empty = dir.write("empty.csv", "lon,lat,name\n");
    auto run =
        runCli({"convert", examples + "/zurich-viewpoints.csv", empty.string(),
                examples + "/alpine-passes.gpx", "--combined", "-o", (dir / "all.gpi").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(inspect(dir / "all.gpi"), (json{{"categories",
                                               {{{"name", "zurich-viewpoints"}, {"poiCount", 6}},
                                                {{"name", "alpine-passes"}, {"poiCount", 5}}}},
                                              {"poiCount", 11}}));

    auto none =
        runCli({"convert", empty.string(), "--combined", "-o", (dir / "none.gpi").string()});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "Add at least one file with POIs first.\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "none.gpi"));
}

TEST(ConvertCommandTest, WriterErrorsLeaveAnExistingTargetUntouched) {
    TempDir dir;
    auto target = dir.write("keep.gpi", "old bytes");
    auto csv = dir.write("a.csv", "8.5,47.3,Zurich\n");
    struct Case {
        std::vector<std::string> extra;
        std::string message;
    } cases[] = {
        {{"--category", " \n"}, "Enter a category name before saving."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"convert", csv.string(), "-o", target.string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        auto run = runCli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, csv.string() + ": " + c.message + "\n");
        EXPECT_EQ(readText(target), "old bytes");
    }
    auto fast = dir.write("fast.csv", "8.5,47.3,Fast @3000\n");
    auto run = runCli({"convert", fast.string(), "-o", target.string(), "--speed-unit", "kmh"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(readText(target), "old bytes");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3)
        << "no temporary file is left behind";
}

TEST(ConvertCommandTest, UsageErrors) {
    TempDir dir;
    std::string csv = examples + "/zurich-viewpoints.csv";
    std::string out = (dir / "o.gpi").string();
    const std::vector<std::vector<std::string>> cases = {
        {"convert", csv},
        {"convert", "-o", out},
        {"convert", csv, "-o", out, "-d", dir.path().string()},
        {"convert", csv, csv, "-o", out},
        {"convert", csv, csv, "--category", "X", "-d", dir.path().string()},
        {"convert", csv, "--combined", "-d", dir.path().string()},
    };
    for (const auto& args : cases)
        EXPECT_EQ(runCli(args).status, 2) << testing::PrintToString(args);
}
