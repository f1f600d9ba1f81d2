#include "TransferFixture.h"
#include "core/devices/DeviceTransfer.h"
#include "core/io/LocalFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;
namespace fs = std::filesystem;

// A link at the Garmin folder, the POI folder or poi.gpi is refused before anything is backed
// up or written, wherever it points: the files it leads to stay as they are.
TEST(SymbolicLinkTest, LinkedDeviceLocationsAreRefusedBeforeAnyChange) {
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> layout;
        const char* linkPath;
    };
    const Case cases[] = {
        {"Garmin folder leads outside",
         [](const TempDir& d) { fs::create_directory_symlink(d / "outside", d / "vol/Garmin"); },
         "Garmin"},
        {"POI folder leads outside",
         [](const TempDir& d) {
             fs::create_directories(d / "vol/Garmin");
             fs::create_directory_symlink(d / "outside/POI", d / "vol/Garmin/POI");
         },
         "Garmin/POI"},
        {"poi.gpi leads outside",
         [](const TempDir& d) {
             fs::create_directories(d / "vol/Garmin/POI");
             fs::create_symlink(d / "outside/POI/poi.gpi", d / "vol/Garmin/POI/poi.gpi");
         },
         "Garmin/POI/poi.gpi"},
        {"POI folder leads elsewhere on the volume",
         [](const TempDir& d) {
             fs::create_directories(d / "vol/Garmin");
             fs::create_directories(d / "vol/Other");
             fs::create_directory_symlink("../Other", d / "vol/Garmin/POI");
         },
         "Garmin/POI"},
    };
    for (bool remove : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (remove ? ", remove" : ", send"));
            TempDir dir;
            dir.write("outside/POI/poi.gpi", "not the device's");
            dir.write("vol/Other/poi.gpi", "not the device's");
            c.layout(dir);
            GarminDevice device{dir / "vol", dir / "vol/Garmin", "SD", false};
            DeviceTransfer transfer(std::make_shared<LocalFileSystem>(), dir / "backups",
                                    march1At0915);
            Bytes data = gpiFile({{"A", 1}});

            auto error = transferError(
                [&] { remove ? transfer.removeCustomPOIs(device) : transfer.send(data, device); });

            EXPECT_EQ(error, DeviceTransferError::symbolicLink("SD", c.linkPath));
            EXPECT_EQ(readText(dir / "outside/POI/poi.gpi"), "not the device's");
            EXPECT_EQ(readText(dir / "vol/Other/poi.gpi"), "not the device's");
            EXPECT_EQ(std::distance(fs::directory_iterator(dir / "outside/POI"), {}), 1);
            EXPECT_FALSE(fs::exists(dir / "backups"));
        }
    }
}

TEST(SymbolicLinkTest, LinkedSideAndTemporaryFilesAreRemovedNotFollowed) {
    TempDir dir;
    dir.write("outside/keep", "not the device's");
    dir.write("vol/Garmin/POI/poi.gpi", "old");
    fs::create_symlink(dir / "outside/keep", dir / "vol/Garmin/POI/._poi.gpi");
    fs::create_symlink(dir / "outside/keep", dir / "vol/Garmin/POI/poi.gpi.marklode-tmp");
    GarminDevice device{dir / "vol", dir / "vol/Garmin", std::nullopt, false};
    DeviceTransfer transfer(std::make_shared<LocalFileSystem>(), dir / "backups", march1At0915);
    Bytes data = gpiFile({{"A", 2}});

    EXPECT_EQ(transfer.send(data, device).verifiedPOICount, 2);
    EXPECT_EQ(readText(dir / "outside/keep"), "not the device's");
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "vol/Garmin/POI/._poi.gpi")));
    EXPECT_EQ(readText(dir / "vol/Garmin/POI/poi.gpi"), text(data));
}
