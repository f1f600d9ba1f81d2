#include "DeviceFolderFixture.h"
#include "cli/CliRunner.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/mount.h>
#include <unistd.h>

using marklode::test::readText;
using marklode::test::runCli;
using marklode::test::TempDir;
using nlohmann::json;
namespace fs = std::filesystem;

namespace {

const std::string examples = MARKLODE_EXAMPLES;

class DeviceCommandsTest : public marklode::test::DeviceFolderFixture {
  protected:
    void SetUp() override { fs::create_directories(dir / "USB stick/Photos"); }
};

} // namespace

TEST_F(DeviceCommandsTest, DevicesListsOnlyGarminVolumes) {
    auto run = runCli({"devices", "--volume", (dir / "USB stick").string(), "--volume",
                       (dir / "GPS").string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out), json::array({{{"displayName", "Drive 53"},
                                                  {"volumeName", "GPS"},
                                                  {"volume", (dir / "GPS").string()},
                                                  {"garminFolder", (dir / "GPS/Garmin").string()},
                                                  {"modelName", "Drive 53"},
                                                  {"hasDeviceXML", true},
                                                  {"hasCustomPOIs", false}}}));
    auto none = runCli({"devices", "--volume", (dir / "USB stick").string()});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "No Garmin devices found.\n");
}

TEST_F(DeviceCommandsTest, SendBacksUpVerifiesAndRemoveCleansUp) {
    auto first = runCli(
        withDevice({"send", examples + "/zurich-viewpoints.csv", examples + "/alpine-passes.gpx"}));
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out,
              "Sent 11 POIs in 2 categories to Drive 53. The file was read back and checked.\n");
    std::string installed = readText(poiFile());

    auto second = runCli(withDevice({"send", examples + "/alpine-passes.gpx"}));
    ASSERT_EQ(second.status, 0) << second.err;
    std::string prefix =
        "Sent 5 POIs in 1 category to Drive 53. The file was read back and checked.\n\n"
        "The previous custom POIs were backed up to:\n";
    ASSERT_EQ(second.out.substr(0, prefix.size()), prefix);
    fs::path backup = second.out.substr(prefix.size(), second.out.size() - prefix.size() - 1);
    EXPECT_EQ(backup.parent_path(), dir / "backups/Drive 53");
    EXPECT_EQ(readText(backup / "poi.gpi"), installed);

    auto listed = runCli({"devices", "--volume", (dir / "GPS").string(), "--json"});
    EXPECT_EQ(json::parse(listed.out)[0]["hasCustomPOIs"], true);

    auto removed = runCli(withDevice({"remove"}));
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_TRUE(removed.out.starts_with(
        "Removed the custom POIs from Drive 53.\n\nA backup was saved to:\n" +
        (dir / "backups/Drive 53/").string()))
        << removed.out;
    EXPECT_FALSE(fs::exists(poiFile()));
    auto again = runCli(withDevice({"remove"}));
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "There are no custom POIs (Garmin/POI/poi.gpi) on this device.\n");
}

TEST_F(DeviceCommandsTest, SendsAReadyFileAsItIs) {
    auto convert =
        runCli({"convert", examples + "/alpine-passes.gpx", "-o", (dir / "ready.gpi").string()});
    ASSERT_EQ(convert.status, 0) << convert.err;
    auto run = runCli(withDevice({"send", (dir / "ready.gpi").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Sent 5 POIs in 1 category to Drive 53. The file was read back and checked.\n");
    EXPECT_EQ(readText(poiFile()), readText(dir / "ready.gpi"));
}

TEST_F(DeviceCommandsTest, CountsAreGroupedForTheUsersLocale) {
    std::string rows;
    for (int i = 0; i < 1234; ++i)
        rows += "8." + std::to_string(i) + ",47.3,Stop " + std::to_string(i) + "\n";
    auto csv = dir.write("many.csv", rows);
    struct Case {
        std::string locale;
        std::string count;
    } cases[] = {{"de_DE.UTF-8", "1.234"}, {"C", "1234"}};
    for (const Case& c : cases) {
        auto run = runCli(withDevice({"send", csv.string()}), {{"LC_ALL", c.locale}});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find(" POIs")), "Sent " + c.count) << c.locale;
    }
}

TEST_F(DeviceCommandsTest, FailuresLeaveTheDeviceAlone) {
    auto empty = dir.write("empty.csv", "lon,lat,name\n");
    auto notGPI = dir.write("notes.gpi", "just some text");
    auto convert =
        runCli({"convert", examples + "/alpine-passes.gpx", "-o", (dir / "cut.gpi").string()});
    ASSERT_EQ(convert.status, 0) << convert.err;
    fs::resize_file(dir / "cut.gpi", fs::file_size(dir / "cut.gpi") - 9);
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {withDevice({"send", empty.string()}), "Add at least one file with POIs first."},
        {{"send", examples + "/alpine-passes.gpx", "--device", (dir / "USB stick").string()},
         "“" + (dir / "USB stick").string() + "” is not a Garmin device: it has no Garmin folder."},
        {withDevice({"send", (dir / "missing.gpi").string()}), "The file no longer exists."},
        {withDevice({"send", notGPI.string()}),
         "“notes.gpi” is damaged or not a Garmin POI file, so nothing was written."},
        {withDevice({"send", (dir / "cut.gpi").string()}),
         "“cut.gpi” is damaged or not a Garmin POI file, so nothing was written."},
    };
    for (const Case& c : cases) {
        auto run = runCli(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.substr(run.err.find_last_of('\n', run.err.size() - 2) + 1),
                  c.message + "\n")
            << run.err;
        EXPECT_FALSE(fs::exists(dir / "GPS/Garmin/POI"));
        EXPECT_FALSE(fs::exists(dir / "backups"));
    }
    EXPECT_EQ(runCli({"send"}).status, 2);
    EXPECT_EQ(runCli({"remove", "extra"}).status, 2);
}

// Paths are bytes: JSON output must still parse (the parser refuses text that isn't UTF-8) and
// shows what isn't UTF-8 as U+FFFD.
TEST_F(DeviceCommandsTest, JsonStaysUTF8WhenPathsAreNot) {
    const fs::path volume = dir / "Caf\xE9", backups = dir / "Backups\xE9";
    fs::create_directories(volume / "Garmin");
    dir.write("Backups\xE9/Drive 53/2025-03-01_09-15-00/poi.gpi", "not a gpi");
    struct Case {
        std::vector<std::string> args;
        std::string key;
        std::string expected;
    } cases[] = {
        {{"devices", "--volume", volume.string(), "--json"}, "displayName", "Caf\uFFFD"},
        {{"devices", "--volume", volume.string(), "--json"},
         "volume",
         (dir / "Caf\uFFFD").string()},
        {{"backups", "--device", (dir / "GPS").string(), "--backup-root", backups.string(),
          "--json"},
         "folder",
         (dir / "Backups\uFFFD/Drive 53/2025-03-01_09-15-00").string()},
    };
    for (const Case& c : cases) {
        auto run = runCli(c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(json::parse(run.out).at(0).at(c.key), c.expected) << run.out;
    }
}

// A real volume: mounted, listed by the default volume source, sent to and cleaned again.
TEST(DeviceCommandsMountTest, SendAndRemoveOnAMountedVolume) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a volume";
    TempDir dir;
    fs::path volume = dir / "GARMIN";
    fs::create_directories(volume);
    ASSERT_EQ(::mount("marklode-cli-test", volume.c_str(), "tmpfs", 0, "size=2m"), 0)
        << std::strerror(errno);
    struct Unmount {
        fs::path point;
        ~Unmount() { ::umount2(point.c_str(), MNT_DETACH); }
    } unmount{volume};
    fs::create_directories(volume / "Garmin");

    auto listed = runCli({"devices", "--json"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    bool found = false;
    for (const auto& device : json::parse(listed.out))
        found = found || device["volume"] == volume.string();
    EXPECT_TRUE(found) << listed.out;

    std::vector<std::string> target = {"--device", volume.string(), "--backup-root",
                                       (dir / "backups").string()};
    std::vector<std::string> send = {"send", examples + "/zurich-viewpoints.csv"};
    send.insert(send.end(), target.begin(), target.end());
    auto sent = runCli(send);
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out,
              "Sent 6 POIs in 1 category to GARMIN. The file was read back and checked.\n");
    std::vector<std::string> remove = {"remove"};
    remove.insert(remove.end(), target.begin(), target.end());
    auto removed = runCli(remove);
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_FALSE(fs::exists(volume / "Garmin/POI/poi.gpi"));
}
