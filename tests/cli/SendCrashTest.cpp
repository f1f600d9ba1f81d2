#include "cli/CliRunner.h"
#include "core/devices/DeviceTransfer.h"
#include "core/io/LocalFileSystem.h"
#include "support/HeldTransfer.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace marklode;
using marklode::test::HeldTransfer;
using marklode::test::readText;
using marklode::test::runCli;
using marklode::test::TempDir;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::string manyRows(int rows) {
    std::string csv;
    for (int i = 0; i < rows; ++i)
        csv += std::to_string(5.0 + i * 1e-5) + "," + std::to_string(45.0 + i * 1e-5) + ",Stop " +
               std::to_string(i) + ",Comment for stop " + std::to_string(i) + "\n";
    return csv;
}

pid_t startCli(const std::vector<std::string>& args,
               const std::map<std::string, std::string>& env) {
    static const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    return marklode::test::spawnCli(args, env, devNull, devNull);
}

int killAndReap(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

class SendCrashTest : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "vol/Garmin/POI");
        small = dir.write("small.csv", "8.5,47.3,Zurich\n").string();
        large = dir.write("large.csv", manyRows(60000)).string();
        ASSERT_EQ(runCli(send(small)).status, 0);
        oldFile = readText(target());
        ASSERT_EQ(
            runCli({"convert", large, "--combined", "-o", (dir / "expected.gpi").string()}, env)
                .status,
            0);
        newFile = readText(dir / "expected.gpi");
    }

    std::vector<std::string> send(const std::string& input) const {
        return {"send",          input,
                "--device",      (dir / "vol").string(),
                "--backup-root", (dir / "backups").string(),
                "--timestamp",   "1700000000"};
    }
    fs::path target() const { return dir / "vol/Garmin/POI/poi.gpi"; }
    // Each send writes its temporary file under a name of its own.
    bool temporaryLeft() const {
        for (const auto& entry : fs::directory_iterator(dir / "vol/Garmin/POI"))
            if (entry.path().filename().string().starts_with("poi.gpi.marklode-tmp"))
                return true;
        return false;
    }

    void expectOldOrNew(const std::string& when) const {
        std::string now = readText(target());
        EXPECT_TRUE(now == oldFile || now == newFile)
            << when << ": poi.gpi is neither the old nor the new file (" << now.size() << " bytes)";
    }

    TempDir dir;
    std::map<std::string, std::string> env{{"SOURCE_DATE_EPOCH", "1700000000"}};
    std::string small, large, oldFile, newFile;
};

} // namespace

TEST_F(SendCrashTest, KilledAtRandomMomentsNeverLeavesAPartialFile) {
    auto start = Clock::now();
    ASSERT_EQ(runCli(send(large)).status, 0);
    auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    std::mt19937 random(12345);
    std::uniform_int_distribution<long> moment(0, duration.count());
    int killedMidway = 0;
    for (int run = 0; run < 25; ++run) {
        ASSERT_EQ(runCli(send(small)).status, 0);
        pid_t pid = startCli(send(large), env);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        if (WIFSIGNALED(killAndReap(pid)))
            ++killedMidway;
        expectOldOrNew("run " + std::to_string(run));
    }
    EXPECT_GT(killedMidway, 0);
    ASSERT_EQ(runCli(send(large)).status, 0);
    EXPECT_EQ(readText(target()), newFile);
    EXPECT_FALSE(temporaryLeft());
}

// The first send runs in a forked process held just before it writes, with the device locked;
// the second goes through the command line.
TEST_F(SendCrashTest, ASecondSendWhileOneRunsFailsAsBusyAndChangesNothing) {
    Bytes bytes(newFile.begin(), newFile.end());
    GarminDevice device{dir / "vol", dir / "vol/Garmin", std::nullopt, false};
    DeviceTransfer transfer(localFileSystem(), dir / "backups",
                            [] { return std::chrono::system_clock::now(); });
    HeldTransfer first(transfer, TransferStep::write,
                       [&](const DeviceTransfer& running) { running.send(bytes, device); });
    auto backupsMade = [&] {
        return fs::exists(dir / "backups/vol")
                   ? std::distance(fs::directory_iterator(dir / "backups/vol"), {})
                   : 0;
    };
    ASSERT_TRUE(first.waitUntilHeld());
    ASSERT_EQ(backupsMade(), 1);

    auto second = runCli(send(small));
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("\u201Cvol\u201D is busy with another Marklode transfer"),
              std::string::npos)
        << second.err;
    EXPECT_EQ(backupsMade(), 1);
    EXPECT_EQ(readText(target()), oldFile);

    ASSERT_TRUE(first.kill());
    ASSERT_EQ(runCli(send(large)).status, 0);
    EXPECT_EQ(readText(target()), newFile);
}
