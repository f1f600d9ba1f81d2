// Timings of the Qt models with a large library, printed as medians:
//  - the longest stall of the main thread's event loop while a CSV file is added,
//  - filteredRows per keystroke,
//  - POI copies made by categories and effectivePOIs.
// Rows: MARKLODE_BENCH_ROWS (default one million); the CSV is generated into a temp folder.

#include "bench/GenData.h"
#include "models/LibraryViewModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <vector>

namespace {

std::atomic<std::int64_t> allocations{0};

} // namespace

// Every heap allocation is counted, so copies of POIs (whose names live on the heap) show.
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Adds the file to a fresh library and returns the longest gap between ticks of a 1 ms timer.
double longestStallWhileAdding(const std::filesystem::path& csv,
                               std::unique_ptr<LibraryViewModel>& library) {
    library = std::make_unique<LibraryViewModel>(QLocale(QStringLiteral("en_US")), nullptr);
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    ticker.start();
    clock.start();
    // The add call itself runs on the main thread too, so it counts as a stall.
    QFuture<void> adding = library->add({csv});
    while (!adding.isFinished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    return static_cast<double>(longest) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const char* rowsText = std::getenv("MARKLODE_BENCH_ROWS");
    std::int64_t rows = rowsText ? std::atoll(rowsText) : 1'000'000;

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "marklode-app-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::path csv = folder / "bench.csv";
    {
        std::ofstream out(csv, std::ios::binary);
        bench::writeCSV(out, rows);
    }

    std::unique_ptr<LibraryViewModel> library;
    std::vector<double> stalls;
    for (int run = 0; run < 3; ++run)
        stalls.push_back(longestStallWhileAdding(csv, library));
    const InputFile& file = *library->files().front();
    std::printf("rows loaded: %zu\n", file.rows().size());
    std::printf("add: longest main-thread stall %.1f ms (median of 3; runs %.1f, %.1f, %.1f)\n",
                median(stalls), stalls[0], stalls[1], stalls[2]);

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
    for (const POIRow& row : file.rows())
        copies.push_back(row.poi);
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

    std::filesystem::remove_all(folder);
    return 0;
}
