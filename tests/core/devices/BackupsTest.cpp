#include "core/devices/Backups.h"

#include "TransferFixture.h"
#include "core/devices/DeviceTransfer.h"
#include "core/io/FileError.h"
#include "core/io/LocalFileSystem.h"
#include "support/TempDir.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;
using Op = MemoryFileSystem::Op;

TEST(BackupsTest, DeviceFolderNameIsOneSafePathComponent) {
    struct Case {
        std::string displayName;
        std::string folder;
    };
    const Case cases[] = {
        {"A/B: C?", "A_B_ C_"},
        {"nüvi 2595", "nüvi 2595"},
        {"  Drive 53. ", "Drive 53"},
        {"Drive 53\n", "Drive 53_"}, // control characters are replaced before trimming
        {". . .", "Garmin"},
        {"", "Garmin"},
        {".", "Garmin"},
        {"..", "Garmin"},
        {"../../etc", "_.._etc"},
        {"/", "_"},
        {"\\:?%*|\"<>", "_________"},
        {"a\x01"
         "b\x7F"
         "c",
         "a_b_c"},
        {std::string("nul\0byte", 8), "nul_byte"},
        {"zero\u200Bwidth", "zero_width"}, // a format character
        {"bad\xFF"
         "utf8",
         "bad_utf8"},                         // not UTF-8: replaced byte by byte
        {"\u2003Em space\u2003", "Em space"}, // Unicode white space is trimmed too
    };
    for (const Case& c : cases)
        EXPECT_EQ(backups::deviceFolderName(c.displayName), c.folder) << c.displayName;

    std::string longName = backups::deviceFolderName(std::string(300, 'a') + "é");
    EXPECT_EQ(longName, std::string(NAME_MAX, 'a'));
    std::string cutInsideScalar = backups::deviceFolderName(std::string(254, 'a') + "é");
    EXPECT_EQ(cutInsideScalar, std::string(254, 'a'));
}

TEST(BackupsTest, BackupOfAHostileNameStaysBelowTheRoot) {
    TempDir dir;
    TimeZone utc("UTC");
    dir.write("vol/Garmin/POI/poi.gpi", "old");
    for (std::string name : {"../../escape", "..", "/etc/passwd", "a/../../b", "\n..\n"}) {
        GarminDevice device{dir / "vol", dir / "vol/Garmin", name, true};
        DeviceTransfer transfer(std::make_shared<LocalFileSystem>(), dir / "root", march1At0915);
        auto folder = transfer.backUpExisting(device);
        ASSERT_TRUE(folder) << name;
        EXPECT_EQ(folder->parent_path().parent_path(), dir / "root") << name;
        EXPECT_EQ(readText(*folder / "poi.gpi"), "old");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(BackupsTest, StampIsLocalTimeWithSuffixesForTheSameSecond) {
    {
        TimeZone berlin("CET-1");
        EXPECT_EQ(backups::stamp(march1At0915() + std::chrono::milliseconds(999)),
                  "2025-03-01_10-15-00");
    }
    TimeZone utc("UTC");
    EXPECT_EQ(backups::stamp(march1At0915()), "2025-03-01_09-15-00");

    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addFile("/v/Garmin/POI/poi.gpi", "old");
    DeviceTransfer transfer(fs, "/b", march1At0915);
    GarminDevice device{"/v", "/v/Garmin", std::nullopt, false};
    EXPECT_EQ(transfer.backUpExisting(device), Path("/b/v/2025-03-01_09-15-00"));
    EXPECT_EQ(transfer.backUpExisting(device), Path("/b/v/2025-03-01_09-15-00-2"));
    EXPECT_EQ(transfer.backUpExisting(device), Path("/b/v/2025-03-01_09-15-00-3"));
    EXPECT_EQ(fs->file("/b/v/2025-03-01_09-15-00-3/poi.gpi"), "old");
}

TEST(BackupsTest, SortKeyAndFolderNameRule) {
    struct Case {
        std::string name;
        bool isBackup;
        std::string key;
    };
    const Case cases[] = {
        {"2025-03-01_09-15-00", true, "2025-03-01_09-15-00-0000"},
        {"2025-03-01_09-15-00-9", true, "2025-03-01_09-15-00-0009"},
        {"2025-03-01_09-15-00-12", true, "2025-03-01_09-15-00-0012"},
        {"2025-03-01_09-15-00-12345", true, "2025-03-01_09-15-00-12345"},
        {"2025-03-01_09-15-00-", false, "2025-03-01_09-15-00--0000"},
        {"2025-03-01_09-15", false, "2025-03-01_09-15-0000"},
        {"2025-03-01_09-15-00-x", false, "2025-03-01_09-15-00-x-0000"},
        {"2025-3-01_09-15-00", false, "2025-3-01_09-15-00-0000"},
        {"notes", false, "notes-0000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(backups::isBackupFolderName(c.name), c.isBackup) << c.name;
        EXPECT_EQ(backups::sortKey(c.name), c.key) << c.name;
    }
}

TEST(BackupsTest, PruningKeepsTheNewestTenByKeyAndNothingElseIsTouched) {
    TimeZone utc("UTC");
    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addFile("/v/Garmin/POI/poi.gpi", "old");
    const Path folder = "/b/v";
    // Eleven backups; plain string order would put -10 before -2 and delete the wrong one.
    std::vector<std::string> existing = {"2025-01-01_00-00-00", "2025-01-01_00-00-00-2",
                                         "2025-01-01_00-00-00-9", "2025-01-01_00-00-00-10"};
    for (int day = 2; day <= 8; ++day)
        existing.push_back("2025-01-0" + std::to_string(day) + "_00-00-00");
    for (const std::string& name : existing)
        fs->addFile(folder / name / "poi.gpi", "x");
    // Look-alikes that are never counted nor deleted.
    fs->addFile(folder / "2024-01-01_00-00-00/poi.gpi", "x");
    fs->addFile(folder / "2024-01-01_00-00-00/.directory", "hidden");
    fs->addFile(folder / "2024-01-02_00-00-00/POI.GPI", "x");
    fs->addDirectory(folder / "2024-01-03_00-00-00");
    fs->addFile(folder / "2024-01-04_00-00-00", "a file");
    fs->addFile(folder / "2024-01-05_00-00-00/other.gpi", "x");
    fs->addFile(folder / "old backups/poi.gpi", "x");

    DeviceTransfer transfer(fs, "/b", march1At0915);
    transfer.backUpExisting({"/v", "/v/Garmin", std::nullopt, false});

    auto names = fs->namesIn(folder);
    auto has = [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    EXPECT_FALSE(has("2025-01-01_00-00-00"));
    EXPECT_FALSE(has("2025-01-01_00-00-00-2"));
    EXPECT_TRUE(has("2025-01-01_00-00-00-9"));
    EXPECT_TRUE(has("2025-01-01_00-00-00-10"));
    EXPECT_TRUE(has("2025-03-01_09-15-00"));
    for (const char* decoy : {"2024-01-01_00-00-00", "2024-01-02_00-00-00", "2024-01-03_00-00-00",
                              "2024-01-04_00-00-00", "2024-01-05_00-00-00", "old backups"})
        EXPECT_TRUE(has(decoy)) << decoy;
    EXPECT_EQ(names.size(), 10u + 6u);
}

TEST(BackupsTest, ABackupMadeAfterTheClockWentBackIsKept) {
    // Ten backups in Tokyo, then one in New York an hour later: its name sorts oldest.
    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addFile("/v/Garmin/POI/poi.gpi", "old");
    auto time = march1At0915();
    DeviceTransfer transfer(fs, "/b", [&] { return time += std::chrono::minutes(1); });
    GarminDevice device{"/v", "/v/Garmin", std::nullopt, false};
    std::vector<Path> made;
    {
        TimeZone tokyo("JST-9");
        for (int i = 0; i < 10; ++i)
            made.push_back(*transfer.backUpExisting(device));
    }
    TimeZone newYork("EST5");
    time += std::chrono::hours(1);
    auto latest = transfer.backUpExisting(device);

    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->filename(), "2025-03-01_05-26-00");
    EXPECT_EQ(fs->file(*latest / "poi.gpi"), "old");
    EXPECT_EQ(fs->namesIn("/b/v").size(), 10u);
    EXPECT_FALSE(fs->exists(made.front())); // the oldest other made room
    EXPECT_TRUE(fs->exists(made[1]));
}

TEST(BackupsTest, AnInterruptedBackupLeavesNothingThatCountsAndCostsNoOldBackup) {
    TimeZone utc("UTC");
    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addFile("/v/Garmin/POI/poi.gpi", std::string(1000, 'p'));
    std::vector<std::string> before;
    for (int day = 10; day <= 19; ++day)
        before.push_back("2025-02-" + std::to_string(day) + "_00-00-00");
    for (const std::string& name : before)
        fs->addFile("/b/v" / Path(name) / "poi.gpi", "x");
    // The backup disk fills up halfway through the copy.
    fs->addVolume("/b", 10 + 500);
    DeviceTransfer transfer(fs, "/b", march1At0915);
    GarminDevice device{"/v", "/v/Garmin", std::nullopt, false};

    EXPECT_EQ(transferError([&] { transfer.backUpExisting(device); }),
              DeviceTransferError::backupFailed(std::strerror(ENOSPC)));
    EXPECT_EQ(fs->namesIn("/b/v"), before);

    // A backup killed midway leaves its hidden copy behind; the next backup tidies it away.
    fs->addFile("/b/v/.incomplete-k1LLed/poi.gpi", "half");
    fs->addVolume("/b");
    auto latest = transfer.backUpExisting(device);
    ASSERT_TRUE(latest);
    auto after = fs->namesIn("/b/v");
    EXPECT_FALSE(fs->exists("/b/v/.incomplete-k1LLed"));
    EXPECT_EQ(after.size(), 10u);
    EXPECT_EQ(after.front(), before[1]);
    EXPECT_EQ(after.back(), latest->filename());
}

TEST(BackupsTest, FailuresAroundTheCopy) {
    TimeZone utc("UTC");
    struct Case {
        const char* name;
        Op op;
        int nth;
        bool succeeds;
    };
    // Reads: device file, then the copy. Folders made: the device's, then the hidden copy's.
    // Listings: the look for killed copies, prune's device folder, then each candidate.
    const Case cases[] = {
        {"device file unreadable", Op::readData, 1, false},
        {"copy unreadable", Op::readData, 2, false},
        {"device folder not creatable", Op::createDirectory, 1, false},
        {"device folder not lockable", Op::tryLockDirectory, 1, false},
        {"copy folder not creatable", Op::createDirectory, 2, false},
        {"device folder not listable for tidying", Op::contentsOfDirectory, 1, true},
        {"device folder not listable for pruning", Op::contentsOfDirectory, 2, true},
        {"removing an old backup fails", Op::remove, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto fs = std::make_shared<MemoryFileSystem>();
        fs->addFile("/v/Garmin/POI/poi.gpi", "old");
        for (int day = 1; day <= 11; ++day)
            fs->addFile("/b/v/2025-02-" + std::string(day < 10 ? "0" : "") + std::to_string(day) +
                            "_00-00-00/poi.gpi",
                        "x");
        fs->failCall(c.op, c.nth);
        DeviceTransfer transfer(fs, "/b", march1At0915);
        auto error = transferError([&] {
            transfer.backUpExisting({"/v", "/v/Garmin", std::nullopt, false});
        });
        if (c.succeeds)
            EXPECT_EQ(error, std::nullopt);
        else
            EXPECT_EQ(error, DeviceTransferError::backupFailed(std::strerror(EIO)));
        EXPECT_EQ(fs->file("/v/Garmin/POI/poi.gpi"), "old");
    }
}

TEST(BackupsTest, NoDeviceFileMeansNoFolders) {
    auto fs = std::make_shared<MemoryFileSystem>();
    fs->addDirectory("/v/Garmin/POI");
    DeviceTransfer transfer(fs, "/b", march1At0915);
    EXPECT_EQ(transfer.backUpExisting({"/v", "/v/Garmin", std::nullopt, false}), std::nullopt);
    EXPECT_FALSE(fs->exists("/b"));
}

TEST(BackupsTest, DefaultRootFollowsXDGDataHome) {
    TempDir dir;
    auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    auto restore = [](const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    };
    auto xdg = saved("XDG_DATA_HOME");
    auto home = saved("HOME");

    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    EXPECT_EQ(DeviceTransfer::defaultBackupRoot(), dir / "data/Marklode/Backups");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "data"));
    EXPECT_FALSE(std::filesystem::exists(dir / "data/Marklode"));

    ::setenv("HOME", (dir / "home").c_str(), 1);
    for (const char* ignored : {"", "relative/data"}) {
        ::setenv("XDG_DATA_HOME", ignored, 1);
        EXPECT_EQ(DeviceTransfer::defaultBackupRoot(), dir / "home/.local/share/Marklode/Backups");
    }
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DeviceTransfer::defaultBackupRoot(), dir / "home/.local/share/Marklode/Backups");

    dir.write("blocked", "a file where the data folder should be");
    ::setenv("XDG_DATA_HOME", (dir / "blocked/data").c_str(), 1);
    EXPECT_THROW(DeviceTransfer::defaultBackupRoot(), FileError);

    restore("XDG_DATA_HOME", xdg);
    restore("HOME", home);
}
