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

// A device at dir/GPS ("Drive 53") with three backups made by sends of the examples: the
// newest holds 5 POIs, the one before 6, the oldest 11; the device holds the last send (6).
class BackupCommandsTest : public marklode::test::DeviceFolderFixture {
  protected:
    void SetUp() override {
        for (auto stamp : {"2025-03-01_09-15-00", "2025-03-01_09-15-00-2", "2025-03-02_10-00-00"})
            fs::create_directories(deviceBackups / stamp);
        convert({"zurich-viewpoints.csv", "alpine-passes.gpx"},
                deviceBackups / "2025-03-01_09-15-00/poi.gpi");
        convert({"zurich-viewpoints.csv"}, deviceBackups / "2025-03-01_09-15-00-2/poi.gpi");
        convert({"alpine-passes.gpx"}, deviceBackups / "2025-03-02_10-00-00/poi.gpi");
        fs::create_directories(poiFile().parent_path());
        fs::copy_file(deviceBackups / "2025-03-01_09-15-00-2/poi.gpi", poiFile());
    }

    void convert(const std::vector<std::string>& inputs, const fs::path& out) const {
        std::vector<std::string> args = {"convert", "--combined", "-o", out.string()};
        for (const auto& input : inputs)
            args.push_back(examples + "/" + input);
        auto run = runCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
    }

    std::size_t backupCount() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(deviceBackups), fs::directory_iterator()));
    }

    fs::path deviceBackups = dir / "backups/Drive 53";
    std::map<std::string, std::string> utc = {{"TZ", "UTC"}};
};

} // namespace

TEST_F(BackupCommandsTest, BackupsListsNewestFirstWithCountsAndDamagedOnes) {
    fs::create_directories(deviceBackups / "2025-03-01_09-15-00-10");
    dir.write("backups/Drive 53/2025-03-01_09-15-00-10/poi.gpi", "not a gpi");
    fs::create_directories(deviceBackups / "kept by hand");

    auto listed = runCli(withDevice({"backups", "--json"}), {{"TZ", "CET-1"}});
    ASSERT_EQ(listed.status, 0) << listed.err;
    auto entry = [&](const std::string& name, const std::string& time, json count) {
        return json{{"folder", (deviceBackups / name).string()},
                    {"time", time},
                    {"poiCount", count},
                    {"damaged", count.is_null()}};
    };
    EXPECT_EQ(json::parse(listed.out),
              json::array({entry("2025-03-02_10-00-00", "2025-03-02T10:00:00+01:00", 5),
                           entry("2025-03-01_09-15-00-10", "2025-03-01T09:15:00+01:00", nullptr),
                           entry("2025-03-01_09-15-00-2", "2025-03-01T09:15:00+01:00", 6),
                           entry("2025-03-01_09-15-00", "2025-03-01T09:15:00+01:00", 11)}));

    auto human = runCli(withDevice({"backups"}), utc);
    ASSERT_EQ(human.status, 0) << human.err;
    EXPECT_EQ(human.out, "Backups of Drive 53, newest first, in " + deviceBackups.string() +
                             ":\n"
                             "  2025-03-02_10-00-00     2025-03-02 10:00:00  5 POIs\n"
                             "  2025-03-01_09-15-00-10  2025-03-01 09:15:00  damaged\n"
                             "  2025-03-01_09-15-00-2   2025-03-01 09:15:00  6 POIs\n"
                             "  2025-03-01_09-15-00     2025-03-01 09:15:00  11 POIs\n");

    fs::remove_all(dir / "backups");
    auto none = runCli(withDevice({"backups"}));
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "Marklode has no backups of “Drive 53”.\n");
    EXPECT_EQ(runCli(withDevice({"backups", "--json"})).out, "[]\n");
}

TEST_F(BackupCommandsTest, RestoresTheNewestOrTheNamedBackupThroughABackupOfItsOwn) {
    std::string replaced = readText(poiFile());
    auto newest = runCli(withDevice({"restore"}), utc);
    ASSERT_EQ(newest.status, 0) << newest.err;
    std::string prefix = "Restored the backup of 2025-03-02 10:00:00 to Drive 53: 5 POIs. The "
                         "file was read back and checked.\n\nThe custom POIs it replaced were "
                         "backed up to:\n";
    ASSERT_EQ(newest.out.substr(0, prefix.size()), prefix) << newest.out;
    fs::path madeFirst = newest.out.substr(prefix.size(), newest.out.size() - prefix.size() - 1);
    EXPECT_EQ(madeFirst.parent_path(), deviceBackups);
    EXPECT_EQ(readText(poiFile()), readText(deviceBackups / "2025-03-02_10-00-00/poi.gpi"));
    EXPECT_EQ(readText(madeFirst / "poi.gpi"), replaced);

    // By the name the listing shows, and by the folder's path.
    for (std::string chosen :
         {std::string("2025-03-01_09-15-00"), (deviceBackups / "2025-03-01_09-15-00-2").string()}) {
        auto run = runCli(withDevice({"restore", chosen}), utc);
        ASSERT_EQ(run.status, 0) << run.err;
        fs::path folder =
            chosen.find('/') == std::string::npos ? deviceBackups / chosen : fs::path(chosen);
        EXPECT_EQ(readText(poiFile()), readText(folder / "poi.gpi")) << chosen;
    }

    // A device without custom POIs: nothing to back up first.
    fs::remove(poiFile());
    std::size_t before = backupCount();
    auto bare = runCli(withDevice({"restore", "2025-03-01_09-15-00"}), utc);
    ASSERT_EQ(bare.status, 0) << bare.err;
    EXPECT_EQ(bare.out, "Restored the backup of 2025-03-01 09:15:00 to Drive 53: 11 POIs. The "
                        "file was read back and checked.\n");
    EXPECT_EQ(backupCount(), before);
}

TEST_F(BackupCommandsTest, RefusalsLeaveTheDeviceAndTheBackupsAlone) {
    fs::create_directories(deviceBackups / "2025-03-05_00-00-00");
    dir.write("backups/Drive 53/2025-03-05_00-00-00/poi.gpi", "not a gpi");
    std::string installed = readText(poiFile());
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {withDevice({"restore"}), "The backup “2025-03-05_00-00-00” is damaged or not a Garmin "
                                  "POI file, so nothing was changed on the device."},
        {withDevice({"restore", "2024-01-01_00-00-00"}),
         "“2024-01-01_00-00-00” is not one of the backups of “Drive 53”."},
        {withDevice({"restore", (dir / "GPS/Garmin").string()}),
         "“" + (dir / "GPS/Garmin").string() + "” is not one of the backups of “Drive 53”."},
        {{"restore", "--device", (dir / "GPS").string(), "--backup-root",
          (dir / "elsewhere").string()},
         "Marklode has no backups of “Drive 53”."},
    };
    for (const Case& c : cases) {
        std::size_t before = backupCount();
        auto run = runCli(c.args);
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_EQ(run.err, c.message + "\n");
        EXPECT_EQ(readText(poiFile()), installed);
        EXPECT_EQ(backupCount(), before);
    }
    EXPECT_EQ(runCli(withDevice({"restore", "a", "b"})).status, 2);
    EXPECT_EQ(runCli(withDevice({"backups", "extra"})).status, 2);
}

// A real volume: a full one keeps its file, then a restore with room puts the backup back.
TEST(BackupCommandsMountTest, RestoreOnAMountedVolumeAndOnAFullOne) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a volume";
    TempDir dir;
    fs::path volume = dir / "GARMIN";
    fs::create_directories(volume);
    ASSERT_EQ(::mount("marklode-cli-test", volume.c_str(), "tmpfs", 0, "size=256k"), 0)
        << std::strerror(errno);
    struct Unmount {
        fs::path point;
        ~Unmount() { ::umount2(point.c_str(), MNT_DETACH); }
    } unmount{volume};
    fs::create_directories(volume / "Garmin/POI");
    dir.write("GARMIN/Garmin/POI/poi.gpi", "the device's own file");
    // Fills the volume so that a 150 kB backup (plus the margin) doesn't fit.
    dir.write("GARMIN/filler", std::string(100'000, 'f'));

    std::string rows;
    for (int i = 0; i < 3000; ++i)
        rows += "8." + std::to_string(i) + ",47.3,Stop " + std::to_string(i) + "\n";
    fs::path backup = dir / "backups/GARMIN/2025-03-01_09-15-00";
    fs::create_directories(backup);
    auto made = runCli(
        {"convert", dir.write("many.csv", rows).string(), "-o", (backup / "poi.gpi").string()});
    ASSERT_EQ(made.status, 0) << made.err;
    ASSERT_GT(fs::file_size(backup / "poi.gpi"), 100'000u);

    std::vector<std::string> restore = {"restore", "--device", volume.string(), "--backup-root",
                                        (dir / "backups").string()};
    auto full = runCli(restore);
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(full.err.starts_with("“GARMIN” doesn't have enough free space.")) << full.err;
    EXPECT_EQ(readText(volume / "Garmin/POI/poi.gpi"), "the device's own file");

    fs::remove(volume / "filler");
    auto done = runCli(restore);
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(readText(volume / "Garmin/POI/poi.gpi"), readText(backup / "poi.gpi"));
}
