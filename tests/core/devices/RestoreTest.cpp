#include "TransferFixture.h"
#include "core/devices/BackupList.h"
#include "core/devices/Backups.h"
#include "core/devices/RestoreError.h"

#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

namespace {

class RestoreTest : public TransferFixture {
  protected:
    Path addBackup(const std::string& name, const Bytes& contents) {
        fs->addFile(deviceBackups / name / "poi.gpi", text(contents));
        return deviceBackups / name;
    }

    template <class Operation> static std::optional<RestoreError> restoreError(Operation&& run) {
        try {
            run();
        } catch (const RestoreError& error) {
            return error;
        }
        return std::nullopt;
    }
};

} // namespace

TEST_F(RestoreTest, ListsCompleteBackupsNewestFirstWithCountsAndDamagedOnes) {
    addBackup("2025-03-01_09-15-00", gpiFile({{"A", 2}}));
    addBackup("2025-03-01_09-15-00-10", gpiFile({{"A", 1}, {"B", 2}}));
    addBackup("2025-03-01_09-15-00-9", {'n', 'o', 't'});
    addBackup("2025-02-28_23-59-59", gpiFile({{"A", 1}}));
    addBackup("notes", gpiFile({{"A", 1}}));                           // not a stamp
    fs->addFile(deviceBackups / "2025-03-02_00-00-00/.directory", ""); // holds a hidden file
    addBackup("2025-03-02_00-00-00", gpiFile({{"A", 1}}));
    fs->addDirectory(deviceBackups / "2025-03-03_00-00-00"); // empty
    fs->addFile(deviceBackups / "2025-03-04_00-00-00", "a file, not a folder");

    using namespace std::chrono;
    auto at = [](sys_days day, seconds time) { return system_clock::time_point(day + time); };
    const std::vector<BackupEntry> expected = {
        {deviceBackups / "2025-03-01_09-15-00-10", march1At0915(), 3},
        {deviceBackups / "2025-03-01_09-15-00-9", march1At0915(), std::nullopt},
        {deviceBackups / "2025-03-01_09-15-00", march1At0915(), 2},
        {deviceBackups / "2025-02-28_23-59-59",
         at(sys_days{year{2025} / February / 28}, hours{23} + minutes{59} + seconds{59}), 1},
    };
    EXPECT_EQ(listBackups(*fs, deviceBackups), expected);
    EXPECT_TRUE(listBackups(*fs, "/backups/Nobody").empty());
}

TEST_F(RestoreTest, StampTimeIsReadInTheLocalZoneAndOnlyForRealDates) {
    EXPECT_EQ(backups::stampTime("2025-03-01_09-15-00-2"), march1At0915());
    for (const char* name : {"2025-02-30_09-15-00", "2025-13-01_09-15-00", "2025-03-01 09-15-00",
                             "x2025-03-01_09-15-00"})
        EXPECT_EQ(backups::stampTime(name), std::nullopt) << name;
    TimeZone berlin("CET-1");
    EXPECT_EQ(backups::stampTime("2025-03-01_10-15-00"), march1At0915());
}

TEST_F(RestoreTest, AnUnusableBackupIsRefusedBeforeTheDeviceIsTouched) {
    Bytes cut = gpiFile({{"A", 2}});
    cut.resize(cut.size() - 5);
    struct Case {
        std::string name;
        std::optional<Bytes> contents; // none: the folder has no poi.gpi
        bool damaged;
    } cases[] = {
        {"2025-01-01_00-00-00", Bytes{'t', 'e', 'x', 't'}, true},
        {"2025-01-02_00-00-00", cut, true},
        {"2025-01-03_00-00-00", Bytes{}, true},
        {"2025-01-04_00-00-00", std::nullopt, false},
    };
    for (const Case& c : cases) {
        if (c.contents)
            addBackup(c.name, *c.contents);
        auto error = restoreError([&] { transfer.restore(deviceBackups / c.name, device); });
        ASSERT_TRUE(error) << c.name;
        if (c.damaged)
            EXPECT_EQ(*error, (RestoreError{RestoreError::Damaged{c.name}}));
        else
            EXPECT_TRUE(std::holds_alternative<RestoreError::Unreadable>(error->kind)) << c.name;
        EXPECT_EQ(fs->file(target), text(oldFile)) << c.name;
        EXPECT_EQ(fs->file(poiFolder / "._poi.gpi"), "side") << c.name;
        EXPECT_FALSE(fs->exists(firstBackup)) << c.name;
    }
}

TEST_F(RestoreTest, TheRestoredBackupOutlivesThePruningOfItsOwnBackup) {
    // Ten backups, the oldest chosen: the backup of the current file must not prune it away,
    // or a failed read-back would leave the user without the file they restored.
    std::vector<Path> folders;
    for (int day = 10; day < 20; ++day)
        folders.push_back(
            addBackup("2025-02-" + std::to_string(day) + "_00-00-00", gpiFile({{"A", day}})));
    transfer.restore(folders.front(), device);

    auto left = backupFolders(*fs, deviceBackups);
    EXPECT_EQ(left.size(), DeviceTransfer::backupsToKeep);
    EXPECT_TRUE(fs->exists(folders[0] / "poi.gpi"));
    EXPECT_FALSE(fs->exists(folders[1]));
    EXPECT_EQ(left.front(), firstBackup);
}
