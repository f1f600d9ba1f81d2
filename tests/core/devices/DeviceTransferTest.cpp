#include "core/devices/DeviceTransfer.h"

#include "TransferFixture.h"
#include "core/gpi/GPIReader.h"
#include "core/gpi/GPIWriter.h"
#include "core/io/LocalFileSystem.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <variant>

using namespace marklode;
using namespace marklode::test;
using Op = MemoryFileSystem::Op;

namespace {

const std::string ioError = std::strerror(EIO);

enum class Device { oldFile, newFile, noFile };
// discarded: a failed backup leaves nothing that could count as a backup.
enum class Backup { none, discarded, complete };

using Outcome = std::variant<TransferResult, DeviceTransferError, GPIReaderError>;

class TransferOutcomeTest : public TransferFixture {
  protected:
    Outcome run(bool remove, const Bytes& data) {
        try {
            return remove ? transfer.removeCustomPOIs(device) : transfer.send(data, device);
        } catch (const DeviceTransferError& error) {
            return error;
        } catch (const GPIReaderError& error) {
            return error;
        }
    }
};

} // namespace

// Every row of "what each outcome leaves behind": the device's files and the backups.
TEST_F(TransferOutcomeTest, EachOutcomeLeavesTheDocumentedFiles) {
    struct Row {
        const char* outcome;
        std::function<void(MemoryFileSystem&)> setup;
        bool remove;
        Outcome expected;
        Device device;
        bool sideFilesLeft;
        bool temporaryLeft;
        Backup backup;
        Bytes data = {};
    };
    const TransferResult sent{firstBackup, 3};
    const TransferResult removed{firstBackup, 0};
    const Row rows[] = {
        {"reader rejects the input",
         {},
         false,
         GPIReaderError::notAGPIFile(),
         Device::oldFile,
         true,
         false,
         Backup::none,
         Bytes{'j', 'u', 'n', 'k'}},
        {"read-only", [](auto& fs) { fs.setReadOnly("/media/GPS", true); }, false,
         DeviceTransferError::readOnly("Drive 53"), Device::oldFile, true, false, Backup::none},
        {"not enough space", [](auto& fs) { fs.addVolume("/media/GPS", 60'000); }, false,
         DeviceTransferError::notEnoughSpace(
             "Drive 53", static_cast<std::int64_t>(newFile.size()) + 65'536,
             60'000 - static_cast<std::int64_t>(oldFile.size()) - 8 /* side files */),
         Device::oldFile, true, false, Backup::none},
        {"backup write fails", [](auto& fs) { fs.failCall(Op::writeAndSync, 1); }, false,
         DeviceTransferError::backupFailed(ioError), Device::oldFile, true, false,
         Backup::discarded},
        {"backup copy differs",
         [](auto& fs) { fs.corruptReads("/backups", [](Bytes b) { return b.back() ^= 1, b; }); },
         false, DeviceTransferError::backupFailed("The backup copy didn't match the original."),
         Device::oldFile, true, false, Backup::discarded},
        {"temporary file write fails", [](auto& fs) { fs.failCall(Op::writeAndSync, 2, ENOSPC); },
         false, DeviceTransferError::writeFailed(std::strerror(ENOSPC)), Device::oldFile, false,
         false, Backup::complete},
        // The first rename puts the finished backup in place.
        {"rename fails", [](auto& fs) { fs.failCall(Op::rename, 2); }, false,
         DeviceTransferError::writeFailed(ioError), Device::oldFile, false, false,
         Backup::complete},
        {"device unplugged at the rename",
         [](auto& fs) { fs.vanishOn("/media/GPS", Op::rename, 2); }, false,
         DeviceTransferError::writeFailed(ioError), Device::oldFile, true, true, Backup::complete},
        {"read-back fails", [](auto& fs) { fs.failCall(Op::readData, 3); }, false,
         DeviceTransferError::unreadableAfterWrite(ioError), Device::newFile, false, false,
         Backup::complete},
        {"device unplugged before the read-back",
         [](auto& fs) { fs.vanishOn("/media/GPS", Op::readData, 3); }, false,
         DeviceTransferError::unreadableAfterWrite(ioError), Device::newFile, false, false,
         Backup::complete},
        {"read-back loses a category",
         [](auto& fs) {
             fs.corruptReads("/media/GPS/Garmin/POI/poi.gpi", [](Bytes) {
                 return gpiFile({{"Cafés", 1}});
             });
         },
         false, DeviceTransferError::verificationFailed(3, 1), Device::newFile, false, false,
         Backup::complete},
        {"send succeeds", {}, false, sent, Device::newFile, false, false, Backup::complete},
        {"remove fails", [](auto& fs) { fs.failCall(Op::remove, 1, EACCES); }, true,
         DeviceTransferError::writeFailed(std::strerror(EACCES)), Device::oldFile, true, false,
         Backup::complete},
        {"remove succeeds", {}, true, removed, Device::noFile, false, false, Backup::complete},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.outcome);
        fs = std::make_shared<MemoryFileSystem>();
        transfer.fs = fs;
        fs->addVolume("/media/GPS");
        fs->addFile(target, text(oldFile));
        fs->addFile(poiFolder / "._poi.gpi", "side");
        fs->addFile(poiFolder / "._poi.gpi.marklode-tmp", "side");
        if (row.setup)
            row.setup(*fs);

        EXPECT_EQ(run(row.remove, row.data.empty() ? newFile : row.data), row.expected);

        switch (row.device) {
        case Device::oldFile:
            EXPECT_EQ(fs->file(target), text(oldFile));
            break;
        case Device::newFile:
            EXPECT_EQ(fs->file(target), text(newFile));
            break;
        case Device::noFile:
            EXPECT_FALSE(fs->exists(target));
            EXPECT_TRUE(fs->exists(poiFolder));
            break;
        }
        EXPECT_EQ(fs->exists(poiFolder / "._poi.gpi"), row.sideFilesLeft);
        auto names = fs->namesIn(poiFolder);
        EXPECT_EQ(
            std::any_of(names.begin(), names.end(),
                        [](const std::string& n) { return n.starts_with("poi.gpi.marklode-tmp"); }),
            row.temporaryLeft);
        switch (row.backup) {
        case Backup::none:
            EXPECT_FALSE(fs->exists("/backups"));
            break;
        case Backup::discarded:
            EXPECT_EQ(fs->namesIn(deviceBackups), std::vector<std::string>{});
            break;
        case Backup::complete:
            EXPECT_EQ(fs->namesIn(deviceBackups), std::vector<std::string>{"2025-03-01_09-15-00"});
            EXPECT_TRUE(fs->exists(firstBackup / "poi.gpi"));
            break;
        }
    }
}

TEST_F(TransferFixture, SpaceCheckCountsTheWholeNewFileAndTheMargin) {
    // The old file is large, but it is not credited against the space needed.
    fs->addFile(target, std::string(400'000, 'x'));
    Bytes hundredThousand = paddedTo(newFile, 100'000);
    fs->addVolume("/media/GPS", 150'000 + 400'000 + 8);
    auto error = transferError([&] { transfer.send(hundredThousand, device); });
    ASSERT_EQ(error, DeviceTransferError::notEnoughSpace("Drive 53", 165'536, 150'000));
    EXPECT_EQ(error->description(), "\u201CDrive 53\u201D doesn't have enough free space. "
                                    "Marklode needs 166 KB, but only 150 KB is free.");
    EXPECT_FALSE(fs->exists("/backups"));

    // Exactly enough passes; a volume that reports nothing passes too.
    fs->addVolume("/media/GPS", 165'536 + 400'000 + 8);
    EXPECT_NO_THROW(transfer.send(hundredThousand, device));
    fs->addVolume("/media/GPS");
    EXPECT_NO_THROW(transfer.send(newFile, device));
}

TEST_F(TransferFixture, FirstSendCreatesThePOIFolderAndMakesNoBackup) {
    fs = std::make_shared<MemoryFileSystem>();
    transfer.fs = fs;
    fs->addDirectory("/media/GPS/Garmin");
    EXPECT_EQ(transfer.send(newFile, device), (TransferResult{std::nullopt, 3}));
    EXPECT_EQ(fs->file(target), text(newFile));
    EXPECT_FALSE(fs->exists("/backups"));
}

TEST_F(TransferFixture, LeftoverTemporaryFilesAreRemovedBeforeWritingUnderANameOfItsOwn) {
    const Path suffixed = poiFolder / "poi.gpi.marklode-tmp-k1LLed";
    fs->addFile(temporary, "half a file from an interrupted send");
    fs->addFile(suffixed, "half a file from a killed send");
    transfer.send(newFile, device);
    auto calls = fs->calls();
    auto first = [&](Op op, auto matches) {
        return std::find_if(calls.begin(), calls.end(),
                            [&](const auto& call) { return call.op == op && matches(call.path); });
    };
    auto write =
        first(Op::writeAndSync, [&](const Path& p) { return p.parent_path() == poiFolder; });
    ASSERT_NE(write, calls.end());
    EXPECT_NE(write->path, temporary);
    EXPECT_NE(write->path, suffixed);
    EXPECT_LT(first(Op::remove, [&](const Path& p) { return p == temporary; }), write);
    EXPECT_LT(first(Op::remove, [&](const Path& p) { return p == suffixed; }), write);
    EXPECT_EQ(fs->namesIn(poiFolder), std::vector<std::string>{"poi.gpi"});
}

TEST_F(TransferFixture, SideFileDirectoriesAndOtherFilesAreLeftAlone) {
    fs->remove(poiFolder / "._poi.gpi");
    fs->addFile(poiFolder / "._poi.gpi/inside", "x");
    fs->addFile(poiFolder / "other.gpi", "x");
    transfer.send(newFile, device);
    EXPECT_TRUE(fs->exists(poiFolder / "._poi.gpi/inside"));
    EXPECT_TRUE(fs->exists(poiFolder / "other.gpi"));
    EXPECT_FALSE(fs->exists(poiFolder / "._poi.gpi.marklode-tmp"));
}

TEST_F(TransferFixture, ReadBackThatDiffersIsRejectedEvenWithTheSameCount) {
    struct Case {
        const char* name;
        std::function<Bytes(Bytes)> change;
        std::int64_t found;
    };
    const Case cases[] = {
        {"one byte of a name", [](Bytes b) { return b[36] ^= 0x20, b; }, 3},
        {"cut short", [](Bytes b) { return b.resize(b.size() - 1), b; }, 0},
        {"empty", [](Bytes) { return Bytes{}; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs->corruptReads(target, c.change);
        EXPECT_EQ(transferError([&] { transfer.send(newFile, device); }),
                  DeviceTransferError::verificationFailed(3, c.found));
    }
}

TEST_F(TransferFixture, SendReportsThePOIsItVerified) {
    std::vector<GPICategory> categories;
    for (auto [name, count] : {std::pair{"Cafés", 100}, {"Fuel", 100}, {"Camping", 50}}) {
        GPICategory category{name, {}, std::nullopt};
        for (int i = 0; i < count; ++i)
            category.pois.push_back(POI{48.0 + i * 0.01, 11.0, "P" + std::to_string(i),
                                        std::nullopt, std::nullopt, std::nullopt});
        categories.push_back(std::move(category));
    }
    Bytes file = GPIWriter{}.data(categories);
    EXPECT_EQ(transfer.send(file, device), (TransferResult{firstBackup, 250}));
    EXPECT_EQ(fs->file(target), text(file));
}

TEST_F(TransferFixture, RemoveChecksForAFileBeforeWritability) {
    fs->setReadOnly("/media/GPS", true);
    EXPECT_EQ(transferError([&] { transfer.removeCustomPOIs(device); }),
              DeviceTransferError::readOnly("Drive 53"));
    EXPECT_FALSE(fs->exists("/backups"));

    fs->setReadOnly("/media/GPS", false);
    fs->remove(target);
    fs->setReadOnly("/media/GPS", true);
    EXPECT_EQ(transferError([&] { transfer.removeCustomPOIs(device); }),
              DeviceTransferError::nothingToRemove());
}

TEST_F(TransferFixture, AnotherTransferHoldingTheDeviceMakesThisOneFailAsBusy) {
    auto held = fs->tryLockDirectory(device.garminFolder);
    ASSERT_TRUE(held);
    const auto busy = DeviceTransferError::busy("Drive 53");
    EXPECT_EQ(transferError([&] { transfer.send(newFile, device); }), busy);
    EXPECT_EQ(transferError([&] { transfer.removeCustomPOIs(device); }), busy);
    EXPECT_EQ(fs->file(target), text(oldFile));
    EXPECT_FALSE(fs->exists("/backups"));
    EXPECT_EQ(busy.description(), "\u201CDrive 53\u201D is busy with another Marklode transfer, so "
                                  "nothing was changed. Try again when it has finished.");

    // Another device of the same name, backing up into the same folder.
    held.reset();
    fs->addDirectory(deviceBackups);
    held = fs->tryLockDirectory(deviceBackups);
    EXPECT_EQ(transferError([&] { transfer.send(newFile, device); }), busy);
    EXPECT_EQ(fs->file(target), text(oldFile));
    EXPECT_TRUE(fs->namesIn(deviceBackups).empty());

    held.reset();
    EXPECT_EQ(transfer.send(newFile, device).verifiedPOICount, 3);
}

TEST(DeviceTransferTest, APipeWhereTheDeviceFileBelongsIsRefusedWithoutWaiting) {
    TempDir dir;
    TimeZone utc("UTC");
    std::filesystem::create_directories(dir / "vol/Garmin/POI");
    ASSERT_EQ(::mkfifo((dir / "vol/Garmin/POI/poi.gpi").c_str(), 0644), 0);
    GarminDevice device{dir / "vol", dir / "vol/Garmin", std::nullopt, false};
    DeviceTransfer transfer(localFileSystem(), dir / "backups", march1At0915);
    const auto refused = DeviceTransferError::backupFailed("Not a regular file");
    EXPECT_EQ(transferError([&] { transfer.send(gpiFile({{"A", 1}}), device); }), refused);
    EXPECT_EQ(transferError([&] { transfer.removeCustomPOIs(device); }), refused);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "vol/Garmin/POI/poi.gpi"));
}
