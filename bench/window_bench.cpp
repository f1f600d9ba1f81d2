// The desktop window's speed:
//  - start-up: from starting the process to the main window's first paint, against a bare
//    QWidget in the same run. Each measurement is a fresh process (this binary with --window or
//    --bare) that prints one line when it has painted and quits; the parent times it.
//  - the longest stall of the event loop while a 1M-row CSV is added, selected and searched,
//    and while a library of 1,000 files is added and its sidebar scrolled;
//  - a folder of 10,000 one-row files added: the time until all have loaded, the main thread's
//    busy time meanwhile and its longest stall;
//  - the 1M-row file loaded: the resident memory it costs per POI once the window has settled,
//    and the time from adding it to its count showing.
#include "bench/EventLoopStall.h"
#include "bench/GenData.h"
#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "platform/PlatformServices.h"
#include "ui/detail/FileDetailView.h"
#include "ui/detail/POITable.h"
#include "ui/detail/POITableModel.h"
#include "ui/main/IssuesPopover.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Sidebar.h"
#include "ui/shell/MarklodeApp.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::puts("painted");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

int child(bool window, int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaint paint;
    if (!window) {
        QWidget bare;
        bare.resize(900, 600);
        bare.installEventFilter(&paint);
        bare.show();
        return application.exec();
    }
    marklode::MarklodeApp app(marklode::platformDeviceServices());
    app.mainWindow()->installEventFilter(&paint);
    app.mainWindow()->show();
    return application.exec();
}

// Milliseconds from spawning the child to its "painted" line.
double timed(const char* self, const char* mode) {
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> args{const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, self, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return -1;
    }
    std::string line;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    auto end = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (line != "painted")
        return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

using marklode::bench::measure;
using marklode::bench::median;

void removeAll(marklode::LibraryViewModel& library) {
    // Freed as they go: thousands of deferred deletions queued at once cost Qt a walk of the
    // whole queue for each.
    for (int removed = 1; !library.files().isEmpty(); ++removed) {
        library.remove(library.files().front()->id());
        if (removed % 100 == 0) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double threadCpuMs() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A folder of 10,000 one-row files added at once: how long until every file has loaded, how
// much of that the main thread was busy, and its longest stall.
void addLargeFolder(marklode::LibraryViewModel& library, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 10000; ++i) {
        std::ofstream out(folder / ("stop-" + std::to_string(i) + ".csv"), std::ios::binary);
        out << "Name,Latitude,Longitude\nStop " << i << ",47.1,8.2\n";
    }
    std::vector<double> walls, busy, stalls;
    for (int run = 0; run < 1; ++run) {
        removeAll(library);
        QElapsedTimer wall;
        double cpuAtStart = 0;
        stalls.push_back(marklode::bench::longestStall([&] {
            wall.start();
            cpuAtStart = threadCpuMs();
            return library.add({folder}).then(&library, [&] {
                walls.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6);
                busy.push_back(threadCpuMs() - cpuAtStart);
            });
        }));
    }
    std::printf("folder of 10,000 files: loaded in %.0f ms, main thread busy %.0f ms, longest "
                "stall %.1f ms (medians of 3)\n",
                median(walls), median(busy), median(stalls));
    std::fflush(stdout);
    removeAll(library);
}

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// The bytes the allocator has handed out and not had back, in every arena: what the program
// holds, without the freed memory the allocator keeps for reuse.
std::size_t heapBytesInUse() {
    struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Runs the event loop for a while, so that deferred deletions, late repaints and the freeing of
// what was replaced have happened.
void settle() {
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The 1M-row file added to an empty library, five times: the resident memory it adds per POI
// once loaded, shown and settled, and the time from the add until the file shows its POI count.
void loadedFile(marklode::LibraryViewModel& library, const std::filesystem::path& csv) {
    std::vector<double> bytes, heap, counts;
    std::size_t pois = 0;
    for (int run = 0; run < 5; ++run) {
        removeAll(library);
        settle();
        // What the run before freed goes back to the system, so that this run does not fill
        // the holes it left and look smaller than it is.
        ::malloc_trim(0);
        std::size_t before = residentBytes();
        std::size_t heapBefore = heapBytesInUse();
        QElapsedTimer wall;
        wall.start();
        QFuture<void> added = library.add({csv});
        std::optional<double> counted;
        // The sidebar shows the count as soon as the file has its rows and is no longer loading.
        while (!counted) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
            if (library.files().isEmpty())
                continue;
            const marklode::InputFile* file = library.files().front();
            if (!file->isLoading() && !file->rows().empty())
                counted = static_cast<double>(wall.nsecsElapsed()) / 1e6;
        }
        marklode::bench::await(added);
        // Shown in the table and on the map, as a user looks at it.
        library.setSelection(library.files().front()->id());
        settle();
        pois = library.files().front()->rows().size();
        bytes.push_back(static_cast<double>(residentBytes() - before) / static_cast<double>(pois));
        heap.push_back(static_cast<double>(heapBytesInUse() - heapBefore) /
                       static_cast<double>(pois));
        counts.push_back(*counted);
    }
    auto runs = [](const std::vector<double>& values) {
        std::string text;
        for (double value : values)
            text += " " + std::to_string(static_cast<long>(std::lround(value)));
        return text;
    };
    std::printf("loaded 1M-row file: %.0f bytes per POI resident (median of 5; %zu POIs; runs%s)\n",
                median(bytes), pois, runs(bytes).c_str());
    std::printf("loaded 1M-row file: %.0f bytes per POI held on the heap (median of 5; runs%s)\n",
                median(heap), runs(heap).c_str());
    std::printf("loaded 1M-row file: count shown %.0f ms after adding it (median of 5; runs%s)\n",
                median(counts), runs(counts).c_str());
    std::fflush(stdout);
}

// The 1M-row file's table sorted by a column header (in the background; the stall is what the
// main thread spends putting the sorted rows in place) and its rows copied, and its skipped
// rows' popover opened.
void sortAndCopy(marklode::MainWindow* window, marklode::InputFile& file) {
    using namespace marklode;
    POITable* table = window->fileDetail()->table();
    struct Sort {
        const char* name;
        int column;
        Qt::SortOrder order;
    };
    const Sort sorts[] = {
        {"sort 1M rows by name", POITableModel::name, Qt::AscendingOrder},
        {"sort 1M rows by name, descending", POITableModel::name, Qt::DescendingOrder},
        {"sort 1M rows by latitude", POITableModel::latitude, Qt::AscendingOrder},
        {"sort 1M rows by alert", POITableModel::alert, Qt::AscendingOrder},
    };
    for (const Sort& sort : sorts) {
        std::vector<double> walls;
        QElapsedTimer wall;
        measure(
            sort.name,
            [&] {
                table->sortByColumn(-1, Qt::AscendingOrder);
                bench::await(table->rows()->whenSorted());
            },
            [&] {
                wall.start();
                table->sortByColumn(sort.column, sort.order);
                return background::whenFinished(table->rows()->whenSorted(), table, [&] {
                    walls.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6);
                });
            },
            3);
        std::printf("  %s: sorted in %.0f ms (median of 3)\n", sort.name, median(walls));
    }
    measure(
        "a search keystroke over 1M sorted rows", nullptr,
        [&, keystroke = 0]() mutable {
            const char* typed[] = {"c", "ca", "caf", "cafe", "cafe 1", "cafe 12", ""};
            window->searchField()->setText(QString::fromLatin1(typed[keystroke++ % 7]));
            return QFuture<void>(background::finished());
        },
        7);
    table->selectRow(500);
    measure(
        "select a row of 1M sorted rows", nullptr,
        [&, row = 0]() mutable {
            table->selectRow(row += 99'991);
            return QFuture<void>(background::finished());
        },
        5);
    std::vector<double> walls;
    QElapsedTimer wall;
    measure(
        "Ctrl+A, Ctrl+C of 1M rows", [&] { QGuiApplication::clipboard()->clear(); },
        [&] {
            wall.start();
            table->selectAll();
            return background::whenFinished(table->copySelection(), table, [&] {
                walls.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6);
            });
        },
        3);
    std::printf("  Ctrl+A, Ctrl+C of 1M rows: on the clipboard in %.0f ms (median of 3), %lld "
                "characters\n",
                median(walls), static_cast<long long>(QGuiApplication::clipboard()->text().size()));
    measure(
        "sort 1M rows by name, all selected",
        [&] {
            table->sortByColumn(-1, Qt::AscendingOrder);
            bench::await(table->rows()->whenSorted());
            table->selectAll();
        },
        [&] {
            table->sortByColumn(POITableModel::name, Qt::AscendingOrder);
            return table->rows()->whenSorted();
        },
        3);
    table->clearSelection();
    std::printf("  the 1M-row file has %zu skipped rows\n", file.issues().size());
    measure(
        "open the skipped rows of the 1M-row file", nullptr,
        [&] {
            auto* popover = new IssuesPopover(file, QLocale(), window);
            popover->showBelow(QRect(window->mapToGlobal(QPoint(200, 80)), QSize(20, 20)));
            popover->close();
            return QFuture<void>(background::finished());
        },
        3);
    std::fflush(stdout);
}

// The window on the platform's real services, as a user starts it, with a large file and a
// large library.
int stalls(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace marklode;
    QApplication application(argc, argv);
    fs::path folder = fs::temp_directory_path() / "marklode-window-bench";
    fs::remove_all(folder);
    fs::create_directories(folder / "many");
    fs::path csv = folder / "pois-1m.csv";
    {
        std::ofstream out(csv, std::ios::binary);
        bench::writeCSV(out, 1'000'000);
    }
    std::vector<Path> many;
    for (int i = 0; i < 1000; ++i) {
        many.push_back(folder / "many" / ("stops-" + std::to_string(i) + ".csv"));
        std::ofstream out(many.back(), std::ios::binary);
        bench::writeCSV(out, 20);
    }

    MarklodeApp app(platformDeviceServices());
    if (qEnvironmentVariableIsSet("FOLDER_ONLY")) {
        app.mainWindow()->show();
        addLargeFolder(app.library(), folder / "folder");
        return 0;
    }
    auto* window = qobject_cast<MainWindow*>(app.mainWindow());
    window->resize(1280, 800);
    window->show();
    LibraryViewModel& library = app.library();
    auto nothing = [] { return QFuture<void>(background::finished()); };

    loadedFile(library, csv);
    if (qEnvironmentVariableIsSet("LOADED_ONLY"))
        return 0;

    measure(
        "add a 1M-row CSV", [&] { removeAll(library); }, [&] { return library.add({csv}); });
    QUuid big = library.files().front()->id();
    measure(
        "select the 1M-row file", [&] { library.setSelection(std::nullopt); },
        [&] {
            library.setSelection(big);
            return nothing();
        });
    int keystroke = 0;
    const char* typed[] = {"c", "ca", "caf", "cafe", "cafe 1", "cafe 12", ""};
    measure(
        "a search keystroke over 1M rows", nullptr,
        [&] {
            window->searchField()->setText(QString::fromLatin1(typed[keystroke++ % 7]));
            return nothing();
        },
        7);

    sortAndCopy(window, *library.files().front());

    measure(
        "add 1,000 files", [&] { removeAll(library); }, [&] { return library.add(many); });
    QTreeView* list = window->sidebar()->list();
    std::vector<double> steps;
    QScrollBar* bar = list->verticalScrollBar();
    for (int step = 0; step <= 100; ++step) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue(bar->maximum() * (step % 51) / 50);
        list->viewport()->repaint();
        steps.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("sidebar scroll step with 1,000 files: %.2f ms (median of %zu; longest %.2f)\n",
                median(steps), steps.size(), *std::max_element(steps.begin(), steps.end()));
    measure(
        "update a row of 1,000 files", nullptr, [&] { return library.files()[500]->reload(); }, 5);
    removeAll(library);
    addLargeFolder(library, folder / "folder");
    fs::remove_all(folder);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--window") == 0)
        return child(true, argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return child(false, argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--stalls") == 0)
        return stalls(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<double> window, bare;
    for (int run = 0; run < 11; ++run) { // alternating, so both see the same machine
        window.push_back(timed(argv[0], "--window"));
        bare.push_back(timed(argv[0], "--bare"));
    }
    if (std::count(window.begin(), window.end(), -1.0) ||
        std::count(bare.begin(), bare.end(), -1.0)) {
        std::fprintf(stderr, "window-bench: a child did not paint\n");
        return 1;
    }
    std::printf("start-up: %.0f ms; bare QWidget: %.0f ms\n", median(window), median(bare));
    std::fflush(stdout);
    return stalls(argc, argv);
}
