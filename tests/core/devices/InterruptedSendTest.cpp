#include "TransferFixture.h"
#include "core/devices/DeviceTransfer.h"
#include "core/io/LocalFileSystem.h"
#include "support/HeldTransfer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;
namespace stdfs = std::filesystem;

namespace {

// The temporary file a send left in the POI folder, if any.
std::optional<Path> temporaryIn(const Path& poiFolder) {
    for (const auto& entry : stdfs::directory_iterator(poiFolder))
        if (entry.path().filename().string().starts_with("poi.gpi.marklode-tmp"))
            return entry.path();
    return std::nullopt;
}

} // namespace

// A send killed at each step leaves the device readable with the old or the new file, and the
// next send cleans up after it.
TEST(InterruptedSendTest, KilledSendLeavesOldOrNewFileAndNextSendRecovers) {
    struct Case {
        TransferStep step;
        const char* name;
        bool newFileInPlace;
        bool temporaryLeft;
    };
    const Case cases[] = {
        {TransferStep::backup, "backup", false, false},
        {TransferStep::sync, "sync", false, true},
        {TransferStep::rename, "rename", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        TimeZone utc("UTC");
        Bytes oldFile = gpiFile({{"Old", 1}});
        Bytes newFile = gpiFile({{"New", 2}});
        dir.write("vol/Garmin/POI/poi.gpi", text(oldFile));
        GarminDevice device{dir / "vol", dir / "vol/Garmin", std::nullopt, false};
        DeviceTransfer transfer(std::make_shared<LocalFileSystem>(), dir / "backups", march1At0915);
        Path target = dir / "vol/Garmin/POI/poi.gpi";
        auto temporary = [&] { return temporaryIn(dir / "vol/Garmin/POI"); };
        Path copy = dir / "backups/vol/2025-03-01_09-15-00/poi.gpi";

        HeldTransfer held(transfer, c.step,
                          [&](const DeviceTransfer& running) { running.send(newFile, device); });
        ASSERT_TRUE(held.waitUntilHeld()) << "the send ended before the step";
        ASSERT_TRUE(held.kill()) << "the send finished before it was killed";

        EXPECT_EQ(readText(target), text(c.newFileInPlace ? newFile : oldFile));
        if (c.temporaryLeft) {
            EXPECT_EQ(temporary() ? readText(*temporary()) : "", text(newFile));
        }
        EXPECT_EQ(temporary().has_value(), c.temporaryLeft);
        EXPECT_EQ(readText(copy), text(oldFile));

        EXPECT_EQ(transfer.send(newFile, device).verifiedPOICount, 2);
        EXPECT_FALSE(temporary());
    }
}

// A large file killed at every step of its send: poi.gpi is always complete, old or new, and the
// next send installs the new file and leaves no temporary file behind.
TEST(InterruptedSendTest, KilledAtEachStepLeavesACompleteFileAndTheNextSendCleansUp) {
    TempDir dir;
    Bytes oldFile = gpiFile({{"Zurich", 1}});
    Bytes newFile = gpiFile({{"Stops", 60000}});
    stdfs::create_directories(dir / "vol/Garmin/POI");
    GarminDevice device{dir / "vol", dir / "vol/Garmin", std::nullopt, false};
    DeviceTransfer transfer(std::make_shared<LocalFileSystem>(), dir / "backups",
                            [] { return std::chrono::system_clock::now(); });
    Path target = dir / "vol/Garmin/POI/poi.gpi";
    const std::pair<TransferStep, const char*> steps[] = {{TransferStep::backup, "backup"},
                                                          {TransferStep::write, "write"},
                                                          {TransferStep::sync, "sync"},
                                                          {TransferStep::rename, "rename"},
                                                          {TransferStep::verify, "verify"}};
    for (auto [step, name] : steps) {
        SCOPED_TRACE(name);
        ASSERT_EQ(transfer.send(oldFile, device).verifiedPOICount, 1);
        HeldTransfer held(transfer, step,
                          [&](const DeviceTransfer& running) { running.send(newFile, device); });
        ASSERT_TRUE(held.waitUntilHeld()) << "the send ended before the step";
        ASSERT_TRUE(held.kill()) << "the send ended before the kill";
        std::string now = readText(target);
        EXPECT_TRUE(now == text(oldFile) || now == text(newFile))
            << "poi.gpi is neither the old nor the new file (" << now.size() << " bytes)";
        ASSERT_EQ(transfer.send(newFile, device).verifiedPOICount, 60000);
        EXPECT_EQ(readText(target), text(newFile));
        EXPECT_FALSE(temporaryIn(dir / "vol/Garmin/POI"));
    }
}
