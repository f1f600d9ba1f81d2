#include "models/DeviceViewModel.h"

#include "core/io/LocalFileSystem.h"
#include "models/BackgroundTask.h"
#include "models/LibraryViewModel.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"

#include <QSignalSpy>
#include <algorithm>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <mutex>

using namespace marklode;
using namespace marklode::test;

namespace {

class FakeEjector final : public VolumeEjector {
  public:
    bool eject(const Path& volume) const override {
        {
            std::lock_guard lock(mutex);
            ejected.push_back(volume);
        }
        if (hold)
            hold();
        return succeeds;
    }
    mutable std::mutex mutex;
    mutable std::vector<Path> ejected;
    bool succeeds = true;
    std::function<std::size_t()> hold; // a gate's waiter
};

std::string rows(int count) {
    std::string csv = "Name,Latitude,Longitude\n";
    for (int i = 0; i < count; ++i)
        csv += "P" + std::to_string(i) + ",47,8\n";
    return csv;
}

class DeviceViewModelTest : public ::testing::Test {
  protected:
    DeviceViewModelTest() {
        model = std::make_unique<DeviceViewModel>(services(), QLocale(QStringLiteral("en_US")));
    }

    DeviceServices services() {
        return DeviceServices{
            localFileSystem(),
            [this] { return volumes; },
            [this] {
                if (backupRootGate)
                    backupRootGate->wait();
                if (backupRootFails)
                    throw std::runtime_error("no home folder");
                return backups.path();
            },
            [] { return std::chrono::system_clock::time_point(std::chrono::hours(480000)); },
            [this] {
                auto watcher = std::make_unique<VolumeWatcher>();
                watchers.push_back(watcher.get());
                return watcher;
            },
            ejector,
            [this](const Path& folder) { revealed.push_back(folder); },
        };
    }

    Path plugIn(const std::string& name) {
        std::filesystem::create_directories(volumesDir / name / "Garmin");
        volumes.push_back(volumesDir / name);
        return volumes.back();
    }

    void unplug(const Path& volume) { std::erase(volumes, volume); }

    GarminDevice device(std::size_t index) const { return model->devices().at(index); }
    std::optional<SendPlan> planSend(std::size_t index) {
        std::optional<SendPlan> plan;
        await(model->planSend(library, device(index), model.get(),
                              [&](const SendPlan& made) { plan = made; }));
        return plan;
    }

    void addToLibrary(const std::string& name, std::string_view csv) {
        await(library.add({files.write(name, csv)}));
    }

    TempDir volumesDir;
    TempDir backups;
    TempDir files;
    std::vector<Path> volumes;
    std::vector<VolumeWatcher*> watchers;
    std::vector<Path> revealed;
    std::shared_future<void>* backupRootGate = nullptr;
    std::atomic<bool> backupRootFails = false;
    std::shared_ptr<FakeEjector> ejector = std::make_shared<FakeEjector>();
    InputReader readInput = [](const Path& url) { return readFileBytes(url); };
    LibraryViewModel library{
        QLocale(QStringLiteral("en_US")), nullptr,
        LibraryServices{localFileSystem(), [this](const Path& url) { return readInput(url); }, {}}};
    std::unique_ptr<DeviceViewModel> model;
};

TEST_F(DeviceViewModelTest, RefreshRepairsTheSelectionAndNotifiesOnlyChanges) {
    await(model->refresh());
    EXPECT_TRUE(model->devices().empty());
    EXPECT_FALSE(model->selection());
    EXPECT_FALSE(model->selectedDevice());

    Path a = plugIn("A"), b = plugIn("B");
    await(model->refresh());
    EXPECT_EQ(model->selection(), a) << "the first device in scan order";
    model->setSelection(b);
    unplug(b);
    await(model->refresh());
    EXPECT_EQ(model->selection(), a) << "an unplugged selection moves to a connected device";
    model->setSelection(volumesDir / "elsewhere");
    EXPECT_EQ(model->selectedDevice()->volumeURL, a) << "the only device stands in";

    // Same values again notify nobody.
    QSignalSpy devices(model.get(), &DeviceViewModel::devicesChanged);
    QSignalSpy selection(model.get(), &DeviceViewModel::selectionChanged);
    model->setSelection(a);
    await(model->refresh());
    await(model->refresh());
    model->setSelection(a);
    EXPECT_EQ(devices.count(), 0);
    EXPECT_EQ(selection.count(), 1);
}

TEST_F(DeviceViewModelTest, WatchingRefreshesOnEveryNotificationAndStartsOnce) {
    model->startWatchingVolumes();
    model->startWatchingVolumes();
    ASSERT_EQ(watchers.size(), 1u);
    EXPECT_TRUE(model->devices().empty());
    plugIn("NUVI");
    Q_EMIT watchers[0]->volumesChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model->devices().empty(); }, 5000));
    EXPECT_EQ(model->devices()[0].displayName(), "NUVI");
}

// A file split by its categories counts each of them, in the plan and in what the send says.
TEST_F(DeviceViewModelTest, SplitFilesCountTheirCategories) {
    plugIn("NUVI");
    await(model->refresh());
    addToLibrary("one.csv", rows(2));
    addToLibrary("split.csv", "Name,Latitude,Longitude,Category\nA,1,2,Fuel\nB,1,2,\nC,1,2,Cafe\n");
    InputFile* split = library.files().back();
    split->setCategoryMode(CategoryMode::fromFile);
    SendPlan plan = *planSend(0);
    EXPECT_EQ(plan.categoryCount, 4);
    EXPECT_EQ(plan.fileCount, 2);
    EXPECT_EQ(plan.poiCount, 5);
    await(model->sendLibrary(library, device(0)));
    EXPECT_EQ(text(model->resultMessage()),
              "Sent 5 POIs in 4 categories to NUVI. The file was read back and checked.");
}

TEST_F(DeviceViewModelTest, SendMessagesCountWithGroupingAndNoteTheBackup) {
    plugIn("NUVI");
    await(model->refresh());
    addToLibrary("one.csv", rows(1));
    SendPlan plan = *planSend(0);
    EXPECT_EQ(plan, (SendPlan{device(0).volumeURL, "NUVI", 1, 1, false, plan.fileSize,
                              plan.freeSpace, 1}));
    EXPECT_TRUE(plan.freeSpace);
    await(model->sendLibrary(library, device(0)));
    EXPECT_EQ(plan.fileSize, std::int64_t(std::filesystem::file_size(device(0).poiFileURL())))
        << "the plan measured the file the send wrote";
    EXPECT_EQ(text(model->resultMessage()),
              "Sent 1 POIs in 1 category to NUVI. The file was read back and checked.");
    EXPECT_FALSE(model->lastBackup());
    EXPECT_EQ(model->lastDevice(), device(0));
    EXPECT_FALSE(model->isBusy());

    addToLibrary("many.csv", rows(1233));
    EXPECT_TRUE(planSend(0)->replacesExisting);
    await(model->sendLibrary(library, device(0)));
    ASSERT_TRUE(model->lastBackup());
    EXPECT_EQ(text(model->resultMessage()),
              "Sent 1,234 POIs in 2 categories to NUVI. The file was read back and checked.\n\n"
              "The previous custom POIs were backed up to:\n" +
                  model->lastBackup()->string());
    EXPECT_TRUE(model->lastBackup()->string().starts_with(backups.path().string()));

    await(model->removeFromDevice(device(0)));
    EXPECT_EQ(text(model->resultMessage()), "Removed the custom POIs from NUVI.\n\n"
                                            "A backup was saved to:\n" +
                                                model->lastBackup()->string());
    EXPECT_FALSE(std::filesystem::exists(device(0).poiFileURL()));

    model->revealLastBackup();
    EXPECT_EQ(revealed, std::vector<Path>{*model->lastBackup()});
}

TEST_F(DeviceViewModelTest, FailuresLeaveTheLastSuccessAlone) {
    plugIn("NUVI");
    await(model->refresh());
    await(model->sendLibrary(library, device(0)));
    EXPECT_EQ(text(model->errorMessage()), "Add at least one file with POIs first.");
    EXPECT_FALSE(model->isBusy());

    addToLibrary("one.csv", rows(1));
    await(model->sendLibrary(library, device(0)));
    await(model->sendLibrary(library, device(0)));
    std::optional<QString> result = model->resultMessage();
    std::optional<Path> backup = model->lastBackup();
    ASSERT_TRUE(backup);

    backupRootFails = true;
    await(model->removeFromDevice(device(0)));
    EXPECT_EQ(text(model->errorMessage()), "Something went wrong: no home folder");
    EXPECT_EQ(model->resultMessage(), result);
    EXPECT_EQ(model->lastBackup(), backup);
    EXPECT_EQ(model->lastDevice(), device(0));
    EXPECT_TRUE(std::filesystem::exists(device(0).poiFileURL())) << "the device is untouched";
}

TEST_F(DeviceViewModelTest, NothingElseStartsWhileATransferRuns) {
    plugIn("NUVI");
    await(model->refresh());
    addToLibrary("one.csv", rows(1));
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    backupRootGate = &gate;

    QFuture<void> sending = model->sendLibrary(library, device(0));
    EXPECT_TRUE(model->isBusy());
    QFuture<void> second = model->removeFromDevice(device(0));
    QFuture<void> ejecting = model->eject(device(0));
    EXPECT_TRUE(second.isFinished());
    EXPECT_TRUE(ejecting.isFinished());
    release.set_value();
    await(sending);
    EXPECT_TRUE(ejector->ejected.empty());
    EXPECT_EQ(text(model->resultMessage()).substr(0, 5), "Sent ");
    EXPECT_TRUE(std::filesystem::exists(device(0).poiFileURL())) << "the remove was ignored";
}

TEST_F(DeviceViewModelTest, EjectClearsTheLastDeviceOrReportsTheFailure) {
    Path nuvi = plugIn("NUVI");
    await(model->refresh());
    addToLibrary("one.csv", rows(1));
    await(model->sendLibrary(library, device(0)));
    ASSERT_TRUE(model->lastDevice());
    GarminDevice sent = device(0);

    ejector->succeeds = false;
    await(model->eject(sent));
    EXPECT_EQ(text(model->errorMessage()),
              "\u201CNUVI\u201D couldn't be ejected. Close any files open on it and try again.");
    EXPECT_TRUE(model->lastDevice());

    ejector->succeeds = true;
    unplug(nuvi);
    await(model->eject(sent));
    EXPECT_EQ(ejector->ejected, (std::vector<Path>{nuvi, nuvi}));
    EXPECT_FALSE(model->lastDevice());
    EXPECT_TRUE(model->devices().empty()) << "refreshed after ejecting";
    EXPECT_TRUE(model->resultMessage()) << "the result stays for its alert";
}

TEST_F(DeviceViewModelTest, UnpluggingTheLastDeviceClearsIt) {
    Path nuvi = plugIn("NUVI");
    await(model->refresh());
    addToLibrary("one.csv", rows(1));
    await(model->sendLibrary(library, device(0)));
    unplug(nuvi);
    await(model->refresh());
    EXPECT_FALSE(model->lastDevice());
    EXPECT_FALSE(model->selection());
    EXPECT_TRUE(model->resultMessage());
}

// Description files are read off the main thread; a scan that started earlier and ends later
// doesn't undo the newer one.
TEST_F(DeviceViewModelTest, ScansRunInTheBackgroundAndTheNewestWins) {
    Path a = plugIn("A"), b = plugIn("B");
    Gate gate;
    DeviceServices held = services();
    held.volumes = [a, b, wait = gate.waiter()]() {
        return wait() == 0 ? std::vector<Path>{a} : std::vector<Path>{a, b};
    };
    DeviceViewModel scanning(held, QLocale(QStringLiteral("en_US")));
    QFuture<void> older = scanning.refresh();
    ASSERT_TRUE(gate.arrived(1));
    EXPECT_TRUE(scanning.devices().empty()) << "refresh returned while its scan was held";
    QFuture<void> newer = scanning.refresh();
    ASSERT_TRUE(gate.arrived(2));
    gate.open(1);
    await(newer);
    EXPECT_EQ(scanning.devices().size(), 2u);
    gate.open(0);
    settle(background::volumePool());
    EXPECT_EQ(scanning.devices().size(), 2u) << "the older scan's result was dropped";
    EXPECT_TRUE(older.isFinished());
}

TEST_F(DeviceViewModelTest, SendWaitsForPendingImports) {
    plugIn("NUVI");
    await(model->refresh());
    Gate gate;
    readInput = heldReader(gate);
    QFuture<void> adding = library.add({files.write("one.csv", rows(1))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return library.files().size() == 1; }));
    ASSERT_TRUE(gate.arrived(1));
    QFuture<void> sending = model->sendLibrary(library, device(0));
    EXPECT_TRUE(model->isBusy()) << "no eject or second transfer while waiting";
    gate.openAll();
    await(sending);
    EXPECT_EQ(text(model->resultMessage()),
              "Sent 1 POIs in 1 category to NUVI. The file was read back and checked.");
    EXPECT_FALSE(model->errorMessage());
    await(adding);
}

// An unmount may wait on the bus for minutes; meanwhile the volume takes no transfers and no
// second eject, and imports still get threads.
TEST_F(DeviceViewModelTest, AnEjectHoldsItsVolumeButNoImportThreads) {
    int poolThreads = background::workPool()->maxThreadCount();
    for (int i = 0; i < poolThreads; ++i)
        plugIn("CARD" + std::to_string(i));
    await(model->refresh());
    addToLibrary("one.csv", rows(1));
    Gate gate;
    ejector->hold = gate.waiter();
    std::vector<QFuture<void>> ejecting;
    for (const GarminDevice& each : model->devices())
        ejecting.push_back(model->eject(each));
    ASSERT_TRUE(gate.arrived(
        std::size_t(std::min(poolThreads, background::volumePool()->maxThreadCount()))));

    EXPECT_TRUE(model->eject(device(0)).isFinished());
    const std::string refusal =
        "\u201CCARD0\u201D is being ejected, so its POIs can't be changed now.";
    for (bool send : {true, false}) {
        model->setErrorMessage(std::nullopt);
        QFuture<void> refused =
            send ? model->sendLibrary(library, device(0)) : model->removeFromDevice(device(0));
        EXPECT_TRUE(refused.isFinished());
        EXPECT_EQ(text(model->errorMessage()), refusal);
        EXPECT_FALSE(model->isBusy());
    }

    LibraryViewModel other(QLocale(QStringLiteral("en_US")), nullptr);
    await(other.add({files.write("two.csv", rows(2))}), 5000);
    EXPECT_EQ(other.files().front()->rows().size(), 2u) << "the import ran beside the ejects";

    gate.openAll();
    for (const QFuture<void>& each : ejecting)
        await(each);
    EXPECT_EQ(ejector->ejected.size(), std::size_t(poolThreads)) << "one eject per volume";
    EXPECT_FALSE(std::filesystem::exists(device(0).poiFileURL())) << "nothing was sent";
    EXPECT_FALSE(model->resultMessage());
}

} // namespace
