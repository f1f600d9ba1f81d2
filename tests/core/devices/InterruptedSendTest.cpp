#include "TransferFixture.h"
#include "core/devices/DeviceTransfer.h"
#include "core/io/LocalFileSystem.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace marklode;
using namespace marklode::test;
namespace stdfs = std::filesystem;

// A send killed at each pause point leaves the device readable with the old or the new file,
// and the next send cleans up after it.
TEST(InterruptedSendTest, KilledSendLeavesOldOrNewFileAndNextSendRecovers) {
    struct Case {
        const char* step;
        bool newFileInPlace;
        bool temporaryLeft;
    };
    const Case cases[] = {
        {"backup", false, false},
        {"sync", false, true},
        {"rename", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        TempDir dir;
        TimeZone utc("UTC");
        Bytes oldFile = gpiFile({{"Old", 1}});
        Bytes newFile = gpiFile({{"New", 2}});
        dir.write("vol/Garmin/POI/poi.gpi", text(oldFile));
        GarminDevice device{dir / "vol", dir / "vol/Garmin", std::nullopt, false};
        DeviceTransfer transfer(std::make_shared<LocalFileSystem>(), dir / "backups", march1At0915);
        Path target = dir / "vol/Garmin/POI/poi.gpi";
        auto temporary = [&]() -> std::optional<Path> {
            for (const auto& entry : stdfs::directory_iterator(dir / "vol/Garmin/POI"))
                if (entry.path().filename().string().starts_with("poi.gpi.marklode-tmp"))
                    return entry.path();
            return std::nullopt;
        };
        Path copy = dir / "backups/vol/2025-03-01_09-15-00/poi.gpi";

        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::setenv("MARKLODE_TEST_PAUSE_AT", c.step, 1);
            ::setenv("MARKLODE_TEST_PAUSE_MS", "20000", 1);
            try {
                transfer.send(newFile, device);
            } catch (...) {
            }
            ::_exit(0);
        }
        auto reached = [&] {
            if (std::string_view(c.step) == "backup")
                return stdfs::exists(copy) && readText(copy) == text(oldFile);
            if (std::string_view(c.step) == "sync")
                return temporary() && readText(*temporary()) == text(newFile);
            return readText(target) == text(newFile);
        };
        for (int i = 0; i < 500 && !reached(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the send finished before it was killed";

        EXPECT_EQ(readText(target), text(c.newFileInPlace ? newFile : oldFile));
        EXPECT_EQ(temporary().has_value(), c.temporaryLeft);
        EXPECT_EQ(readText(copy), text(oldFile));

        EXPECT_EQ(transfer.send(newFile, device).verifiedPOICount, 2);
        EXPECT_FALSE(temporary());
    }
}
