// Timings of the Qt models with a large library, printed as medians:
//  - the longest stall of the main thread's event loop during each operation of the library
//    and device models,
//  - filteredRows per keystroke,
//  - POI copies made by categories and effectivePOIs.
// Rows: MARKLODE_BENCH_ROWS (default one million); the CSV is generated into a temp folder,
// which also holds the device volume, its backups and the saved files.

#include "bench/EventLoopStall.h"
#include "bench/GenData.h"
#include "core/io/LocalFileSystem.h"
#include "models/DeviceViewModel.h"
#include "models/LibraryViewModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

std::atomic<std::int64_t> allocations{0};

} // namespace

// Every heap allocation is counted, so copies of POIs (whose names live on the heap) show.
// Newer GCC sees the replaced operators' malloc and free inlined into library code and takes
// them for a mismatched pair; they are one pair by construction.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

using namespace marklode;
using namespace marklode::bench;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const char* rowsText = std::getenv("MARKLODE_BENCH_ROWS");
    std::int64_t rows = rowsText ? std::atoll(rowsText) : 1'000'000;

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "marklode-app-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "volume" / "Garmin");
    std::filesystem::create_directories(folder / "backups");
    std::filesystem::create_directories(folder / "saved");
    std::filesystem::path csv = folder / "bench.csv";
    {
        std::ofstream out(csv, std::ios::binary);
        bench::writeCSV(out, rows);
    }

    // What the machine itself does to the loop: nothing to do, and a pool thread computing for a
    // second beside it (every operation below has such a thread, and the cores are shared).
    measure("noise floor, idle", nullptr, [] { return background::finished(); });
    measure("noise floor, a pool thread busy", nullptr, [] {
        return QtConcurrent::run([] {
            QElapsedTimer busy;
            busy.start();
            volatile std::uint64_t spins = 0;
            while (busy.elapsed() < 1000)
                spins = spins + 1;
        });
    });

    const QLocale locale(QStringLiteral("en_US"));
    // Saving again into the same folder replaces what the run before saved.
    LibraryServices libraryServices;
    libraryServices.confirmReplace = [](const Path&, std::function<void(ReplaceDecision)> answer) {
        answer(ReplaceDecision::replace);
    };
    auto library = std::make_unique<LibraryViewModel>(locale, nullptr, libraryServices);
    measure(
        "add",
        [&] { library = std::make_unique<LibraryViewModel>(locale, nullptr, libraryServices); },
        [&] { return library->add({csv}); });
    InputFile& file = *library->files().front();
    std::printf("rows loaded: %zu\n", file.rows().size());

    measure("re-import", nullptr, [&] {
        file.setSpeedUnit(file.speedUnit() == SpeedUnit::kilometersPerHour
                              ? SpeedUnit::milesPerHour
                              : SpeedUnit::kilometersPerHour);
        return file.reloadTask();
    });

    measure("save one", nullptr,
            [&] { return QFuture<void>(library->write(file, folder / "saved" / "one.gpi")); });
    measure("save all", nullptr, [&] { return QFuture<void>(library->saveAll(folder / "saved")); });

    DeviceServices services{
        localFileSystem(),
        [&] { return std::vector<Path>{folder / "volume"}; },
        [&] { return folder / "backups"; },
        [] { return std::chrono::system_clock::now(); },
        [] { return std::make_unique<VolumeWatcher>(); },
        nullptr,
        [](const Path&) {},
    };
    DeviceViewModel devices(services, locale);
    measure("device refresh", nullptr, [&] { return devices.refresh(); });
    const GarminDevice device = devices.devices().at(0);
    measure("send plan", nullptr, [&] {
        return devices.planSend(*library, device, &devices, [](const SendPlan& plan) {
            if (plan.poiCount == 0)
                std::printf("nothing to send\n");
        });
    });
    measure("send", nullptr, [&] { return devices.sendLibrary(*library, device); });
    measure(
        "remove from device", [&] { await(devices.sendLibrary(*library, device)); },
        [&] { return devices.removeFromDevice(device); });
    if (devices.errorMessage())
        std::printf("device error: %s\n", devices.errorMessage()->toUtf8().constData());

    std::vector<double> keystrokes;
    std::size_t matches = 0;
    for (int run = 0; run < 3; ++run)
        for (const char* typed : {"c", "ca", "caf", "cafe", "cafe 1", "cafe 12", "zzz"}) {
            QElapsedTimer timer;
            timer.start();
            matches += file.filteredRows(typed).size();
            keystrokes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
    std::printf("filteredRows: %.1f ms per keystroke (median of %zu; %zu matches in all)\n",
                median(keystrokes), keystrokes.size(), matches);

    // One plain copy of every POI is the yardstick for "one copy per POI".
    std::int64_t before = allocations.load();
    std::vector<POI> copies;
    copies.reserve(file.rows().size());
    for (POIView poi : file.rows())
        copies.push_back(poi.toPOI());
    double perCopy = static_cast<double>(allocations.load() - before);
    copies = {};

    std::vector<double> categoryCopies, effectiveCopies;
    for (int run = 0; run < 3; ++run) {
        before = allocations.load();
        std::size_t count = library->categories().size();
        categoryCopies.push_back(static_cast<double>(allocations.load() - before) / perCopy);
        before = allocations.load();
        count += file.effectivePOIs().size();
        effectiveCopies.push_back(static_cast<double>(allocations.load() - before) / perCopy);
        if (count == 0)
            std::printf("nothing to copy\n");
    }
    std::printf("categories: %.2f copies per POI; effectivePOIs: %.2f copies per POI (medians)\n",
                median(categoryCopies), median(effectiveCopies));

    // Last, since every run needs the file added afresh first.
    measure(
        "remove",
        [&] {
            if (library->files().isEmpty())
                await(library->add({csv}));
        },
        [&] {
            library->remove(library->files().front()->id());
            return background::finished();
        });

    std::filesystem::remove_all(folder);
    return 0;
}
