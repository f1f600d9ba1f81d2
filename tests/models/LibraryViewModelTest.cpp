#include "models/LibraryViewModel.h"

#include "core/gpi/GPIReader.h"
#include "core/io/FileError.h"
#include "core/io/LocalFileSystem.h"
#include "support/ForwardingFileSystem.h"
#include "support/GPITestSupport.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"

#include <QPointer>
#include <QSignalSpy>
#include <atomic>
#include <cerrno>
#include <gtest/gtest.h>
#include <mutex>

using namespace marklode;
using namespace marklode::test;

namespace {

constexpr std::string_view oneRow = "Name,Latitude,Longitude\nA,47,8\n";
constexpr std::string_view gpxRow = R"(<gpx><wpt lat="47" lon="8"><name>W</name></wpt></gpx>)";

// The local disk, except that writing is refused as if the folder were not ours.
class RefusingFileSystem final : public ForwardingFileSystem {
  public:
    void writeAndSync(std::span<const std::uint8_t>, const Path& p) const override {
        throw FileError(FileError::Operation::write, EACCES, p);
    }
};

// The local disk, except that each write waits at a gate and is remembered.
class HeldFileSystem final : public ForwardingFileSystem {
  public:
    explicit HeldFileSystem(std::function<std::size_t()> wait) : wait_(std::move(wait)) {}
    void writeAndSync(std::span<const std::uint8_t> data, const Path& p) const override {
        {
            std::lock_guard lock(mutex_);
            written_.push_back(p.filename().string().substr(1, 1)); // ".a.gpi.XXXXXX.tmp"
        }
        wait_();
        local.writeAndSync(data, p);
    }
    std::vector<std::string> written() const {
        std::lock_guard lock(mutex_);
        return written_;
    }

  private:
    std::function<std::size_t()> wait_;
    mutable std::mutex mutex_;
    mutable std::vector<std::string> written_;
};

// The local disk, whose writes go where the test points them.
class PointedFileSystem final : public ForwardingFileSystem {
  public:
    void writeAndSync(std::span<const std::uint8_t> data, const Path& p) const override {
        writes->writeAndSync(data, p);
    }
    FileSystemHandle writes = localFileSystem();
};

class LibraryViewModelTest : public ::testing::Test {
  protected:
    void add(std::vector<Path> urls) { await(library.add(urls)); }

    SaveSummary saveAll(const Path& folder) {
        QFuture<SaveSummary> saving = library.saveAll(folder);
        await(saving);
        return saving.result();
    }

    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const InputFile* file : library.files())
            result.push_back(file->url().filename().string());
        return result;
    }

    InputFile* file(std::size_t index) const { return library.files().at(qsizetype(index)); }

    LocalFileSystem fileSystem;

    TempDir dir;
    TempDir out;
    // What the library is given, changed by the tests on the way.
    std::shared_ptr<PointedFileSystem> disk = std::make_shared<PointedFileSystem>();
    InputReader readInput = [](const Path& url) { return readFileBytes(url); };
    LibraryServices::ReplacePrompt confirmReplace;
    LibraryViewModel library{
        QLocale(QStringLiteral("en_US")), nullptr,
        LibraryServices{disk, [this](const Path& url) { return readInput(url); },
                        [this](const Path& target, std::function<void(ReplaceDecision)> answer) {
                            if (confirmReplace)
                                confirmReplace(target, std::move(answer));
                            else
                                answer(ReplaceDecision::stop);
                        }}};
};

TEST_F(LibraryViewModelTest, FolderContributesItsInputFilesInNaturalOrder) {
    for (const char* name : {"a.csv", "B.gpx", "c.txt", "stop 10.csv", "Stop 9.CSV", ".hidden.csv"})
        dir.write(std::string("in/") + name,
                  std::string_view(name).ends_with(".gpx") ? gpxRow : oneRow);
    dir.write("in/sub/deeper.csv", oneRow);
    // A .json file is taken only when named alone: a folder holds package.json more than POIs.
    dir.write("in/d.geojson", R"({"type": "Feature", "properties": {"name": "D"},)"
                              R"( "geometry": {"type": "Point", "coordinates": [8, 47]}})");
    dir.write("in/package.json", R"({"name": "app"})");
    // Each file's icon comes from the one listing of its folder.
    dir.write("in/b.bmp", "not a picture");
    ByteVector icon = makeBMP(BMPSpec{2, 2}, [](std::size_t, std::size_t) { return BGR{}; });
    dir.write("in/A.BMP", std::string(icon.begin(), icon.end()));
    QFuture<void> adding = library.add({dir / "in"});
    EXPECT_TRUE(library.files().isEmpty()) << "the folder is read off the main thread";
    await(adding);
    EXPECT_EQ(names(), (std::vector<std::string>{"a.csv", "B.gpx", "d.geojson", "Stop 9.CSV",
                                                 "stop 10.csv"}));
    EXPECT_FALSE(library.alertMessage()) << text(library.alertMessage());
    EXPECT_EQ(file(1)->rows().size(), 1u);
    EXPECT_EQ(file(0)->iconSource(), IconSource::sidecar(dir / "in" / "A.BMP"));
    EXPECT_TRUE(text(file(1)->iconError()).starts_with("b.bmp: ")) << text(file(1)->iconError());
    EXPECT_EQ(file(2)->iconSource(), IconSource::builtIn());
}

TEST_F(LibraryViewModelTest, IgnoredFilesEmptyFoldersAndFailedImportsMakeOneAlert) {
    struct Case {
        std::vector<std::string> given;
        std::string alert;
    };
    dir.write("stops.csv", oneRow);
    dir.write("broken.gpx", "<gpx><wpt");
    dir.write("notes.txt", "");
    std::filesystem::create_directories(dir / "empty");
    const Case cases[] = {
        {{"notes.txt", "stops.csv"}, "Only .csv and .gpx files can be added. Ignored: notes.txt."},
        {{"empty"}, "No .csv or .gpx files were found in the folder."},
        {{"notes.txt", "x.doc", "broken.gpx"},
         "Only .csv and .gpx files can be added. Ignored: notes.txt, x.doc.\n\n"
         "broken.gpx: This GPX file is damaged or not valid XML (problem near line 1)."},
        {{"missing.csv"}, "missing.csv: The file no longer exists."},
    };
    for (const Case& c : cases) {
        LibraryViewModel fresh(QLocale(QStringLiteral("en_US")), nullptr);
        std::vector<Path> urls;
        for (const std::string& name : c.given)
            urls.push_back(dir / name);
        await(fresh.add(urls));
        EXPECT_EQ(text(fresh.alertMessage()), c.alert) << c.given.front();
    }
}

TEST_F(LibraryViewModelTest, DuplicatesAreListedOnce) {
    Path stops = dir.write("stops.csv", oneRow);
    std::filesystem::create_directories(dir / "sub");
    add({stops, stops});
    add({dir / "sub" / ".." / "stops.csv", dir / "." / "stops.csv"});
    EXPECT_EQ(names(), std::vector<std::string>{"stops.csv"});
    EXPECT_FALSE(library.alertMessage());
}

// Given again, changed in place, replaced by a rename, deleted and back: each time the file
// shows what the disk holds, with its own settings, and a burst of writes is read once.
TEST_F(LibraryViewModelTest, AListedFileIsReadAgainWhenGivenAgainOrChangedOnDisk) {
    auto rows = [](int count) {
        std::string csv = "Name,Latitude,Longitude\n";
        for (int i = 0; i < count; ++i)
            csv += "P" + std::to_string(i) + ",47,8\n";
        return csv;
    };
    std::atomic<int> reads = 0;
    readInput = [&](const Path& url) {
        ++reads;
        return readFileBytes(url);
    };
    Path stops = dir.write("stops.csv", rows(1));
    add({stops});
    file(0)->setCategoryName(QStringLiteral("Mine"));
    auto shows = [&](std::size_t count) {
        return QTest::qWaitFor(
            [&] { return !file(0)->isLoading() && file(0)->rows().size() == count; });
    };

    dir.write("stops.csv", rows(2));
    add({dir / "." / "stops.csv"});
    EXPECT_EQ(file(0)->rows().size(), 2u) << "read again once the add has finished";
    EXPECT_EQ(file(0)->categoryName(), QStringLiteral("Mine"));
    QTest::qWait(500); // the watcher's own look finds nothing new to read
    int before = reads;
    for (int count = 3; count <= 12; ++count) {
        dir.write("stops.csv", rows(count));
        QTest::qWait(20);
    }
    EXPECT_TRUE(shows(12)) << "written in place";
    QTest::qWait(500);
    // Once, or twice on a machine so loaded that a pause outlasts the settling time.
    EXPECT_LE(reads - before, 2) << "a burst of ten writes is not read ten times";

    Path saved = dir.write(".stops.csv.swp", rows(4));
    std::filesystem::rename(saved, stops);
    EXPECT_TRUE(shows(4)) << "replaced by a rename";

    std::filesystem::remove(stops);
    EXPECT_TRUE(QTest::qWaitFor([&] { return file(0)->isDeletedOnDisk(); }));
    library.reread(*file(0));
    EXPECT_EQ(file(0)->rows().size(), 4u) << "a deleted file keeps its last contents";
    EXPECT_FALSE(file(0)->loadError());

    dir.write("stops.csv", rows(5));
    EXPECT_TRUE(shows(5)) << "back again";
    EXPECT_FALSE(file(0)->isDeletedOnDisk());
    EXPECT_EQ(file(0)->categoryName(), QStringLiteral("Mine"));
}

TEST_F(LibraryViewModelTest, SelectionFollowsAddAndRemove) {
    Path a = dir.write("a.csv", oneRow), b = dir.write("b.csv", oneRow),
         c = dir.write("c.csv", oneRow);
    add({a, b});
    ASSERT_EQ(library.selectedFile(), file(0));
    library.setSelection(file(1)->id());
    add({c});
    EXPECT_EQ(library.selectedFile(), file(1)) << "an existing selection is kept";

    QUuid second = file(1)->id();
    library.remove(file(0)->id());
    EXPECT_EQ(library.selection(), second) << "another file's selection is kept";
    library.remove(second);
    EXPECT_EQ(names(), std::vector<std::string>{"c.csv"});
    EXPECT_EQ(library.selectedFile(), file(0));
    library.remove(file(0)->id());
    EXPECT_FALSE(library.selection());
}

TEST_F(LibraryViewModelTest, RemovedFileLoadingLateChangesNothing) {
    QSignalSpy alerts(&library, &LibraryViewModel::alertMessageChanged);
    QFuture<void> adding = library.add({dir / "vanishing.csv"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return library.files().size() == 1; }));
    QPointer<InputFile> vanishing = file(0);
    library.remove(vanishing->id());
    await(adding);
    EXPECT_TRUE(library.files().isEmpty());
    EXPECT_TRUE(vanishing.isNull());
    EXPECT_EQ(alerts.count(), 0) << "the failed import of a removed file is not reported";
}

TEST_F(LibraryViewModelTest, CategoriesHoldLoadedFilesWithPOIs) {
    add({dir.write("a.csv", oneRow), dir.write("empty.csv", "Name,Latitude,Longitude\nx,y,z\n"),
         dir / "missing.gpx", dir.write("w.gpx", gpxRow)});
    file(3)->setCategoryName(QStringLiteral("Waypoints"));
    std::vector<GPICategory> categories = library.categories();
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[0].name, "a");
    EXPECT_EQ(categories[1].name, "Waypoints");
    EXPECT_EQ(categories[1].pois.at(0).name, "W");
}

TEST_F(LibraryViewModelTest, CountsAndHasCategoriesFollowImportsAndRemovals) {
    QSignalSpy changes(&library, &LibraryViewModel::hasCategoriesChanged);
    add({dir / "missing.csv", dir.write("empty.csv", "Name,Latitude,Longitude\nx,y,z\n")});
    EXPECT_FALSE(library.hasCategories());
    add({dir.write("a.csv", oneRow), dir.write("w.gpx", gpxRow)});
    struct Expected {
        bool has;
        std::int64_t categories, pois;
        int changes;
    };
    auto check = [&](Expected e, const char* when) {
        EXPECT_EQ(library.hasCategories(), e.has) << when;
        EXPECT_EQ(library.categoryCount(), e.categories) << when;
        EXPECT_EQ(library.categoryCount(), std::int64_t(library.categories().size())) << when;
        EXPECT_EQ(library.poiCount(), e.pois) << when;
        EXPECT_EQ(changes.count(), e.changes) << when;
    };
    check({true, 2, 2, 1}, "added");
    library.remove(file(2)->id());
    check({true, 1, 1, 1}, "removed");
    dir.write("w.gpx", "<gpx><wpt");
    await(file(2)->reload());
    check({false, 0, 0, 2}, "failed re-import");
}

TEST_F(LibraryViewModelTest, SavesAreWrittenOffTheMainThreadAsTheFileWas) {
    add({dir.write("a.csv", oneRow), dir.write("b.gpx", gpxRow)});
    // Contents, not bytes: the header's creation time may differ by a second.
    const GPIContents a = GPIReader::read(file(0)->gpiData()),
                      b = GPIReader::read(file(1)->gpiData());
    auto contents = [&](const Path& saved) {
        return GPIReader::read(fileSystem.readData(saved, noReadLimit));
    };
    for (bool all : {false, true}) {
        TempDir folder;
        Gate gate;
        auto held = std::make_shared<HeldFileSystem>(gate.waiter());
        disk->writes = held;
        QFuture<SaveSummary> saving =
            all ? library.saveAll(folder.path()) : library.write(*file(0), folder / "a.gpi");
        ASSERT_TRUE(gate.arrived(1));
        EXPECT_FALSE(saving.isFinished()) << "the call returned while the write waits";
        file(0)->setCategoryName(QStringLiteral("Changed"));
        QTest::qWait(50);
        EXPECT_EQ(held->written(), std::vector<std::string>{"a"}) << "one file at a time";
        gate.openAll();
        await(saving);
        std::vector<std::string> expected{"a", "b"};
        expected.resize(all ? 2 : 1);
        EXPECT_EQ(held->written(), expected);
        EXPECT_EQ(contents(folder / "a.gpi"), a) << all;
        if (all) {
            EXPECT_EQ(contents(folder / "b.gpi"), b);
        }
        file(0)->setCategoryName(QStringLiteral("a"));
    }
}

TEST_F(LibraryViewModelTest, SaveAllNamesTargetsAndSkipsFailedImports) {
    add({dir.write("route.csv", oneRow), dir.write("Route.gpx", gpxRow), dir / "missing.csv",
         dir.write("empty.csv", "Name,Latitude,Longitude\nx,y,z\n")});
    SaveSummary summary = saveAll(out.path());
    EXPECT_EQ(summary.written,
              (std::vector<Path>{out / "route.gpi", out / "Route 2.gpi", out / "empty.gpi"}));
    EXPECT_TRUE(summary.failures.empty());
    EXPECT_EQ(text(library.statusMessage()), "Saved 3 files.");
    EXPECT_TRUE(std::filesystem::exists(out / "empty.gpi")) << "a file without POIs is written";
}

TEST_F(LibraryViewModelTest, ReplacePromptDecidesEachExistingTarget) {
    struct Case {
        ReplaceDecision answer;
        std::string status;
    };
    const Case cases[] = {
        {ReplaceDecision::replace, "Saved 3 files."},
        {ReplaceDecision::skip, "Saved 2 files. Skipped 1."},
        {ReplaceDecision::stop, "Saved 1 file. Cancelled."},
    };
    add({dir.write("a.csv", oneRow), dir.write("b.csv", oneRow), dir.write("c.csv", oneRow)});
    for (const Case& c : cases) {
        TempDir folder;
        folder.write("b.gpi", "old");
        std::vector<Path> asked;
        std::function<void(ReplaceDecision)> answerLater;
        confirmReplace = [&](const Path& target, std::function<void(ReplaceDecision)> answer) {
            asked.push_back(target);
            answerLater = std::move(answer);
        };
        QFuture<SaveSummary> saving = library.saveAll(folder.path());
        ASSERT_TRUE(QTest::qWaitFor([&] { return bool(answerLater); }));
        QTest::qWait(20);
        EXPECT_FALSE(saving.isFinished()) << "the save goes on once answered";
        answerLater(c.answer);
        await(saving);
        EXPECT_EQ(asked, std::vector<Path>{folder / "b.gpi"});
        EXPECT_EQ(text(library.statusMessage()), c.status);
        EXPECT_EQ(readText(folder / "b.gpi") == "old", c.answer != ReplaceDecision::replace);
        EXPECT_EQ(std::filesystem::exists(folder / "c.gpi"), c.answer != ReplaceDecision::stop);
    }
}

// The first file's read is held and the second waits its turn: saving must wait for both
// rather than write what isn't there yet.
TEST_F(LibraryViewModelTest, SavingWaitsForPendingImports) {
    Path a = dir.write("a.csv", oneRow), b = dir.write("b.gpx", gpxRow);
    for (bool all : {true, false}) {
        Gate gate;
        LibraryViewModel fresh(QLocale(QStringLiteral("en_US")), nullptr,
                               LibraryServices{localFileSystem(), heldReader(gate), {}});
        QFuture<void> adding = fresh.add({a, b});
        ASSERT_TRUE(QTest::qWaitFor([&] { return fresh.files().size() == 2; }));
        ASSERT_TRUE(gate.arrived(1));
        TempDir folder;
        QFuture<SaveSummary> saving =
            all ? fresh.saveAll(folder.path()) : fresh.write(*fresh.files()[1], folder / "b.gpi");
        EXPECT_FALSE(saving.isFinished());
        gate.openAll();
        await(saving);
        std::vector<Path> expected{folder / "a.gpi", folder / "b.gpi"};
        if (!all)
            expected.erase(expected.begin());
        EXPECT_EQ(saving.result().written, expected);
        for (const Path& target : expected) {
            const InputFile* file = fresh.files()[target.stem() == "a" ? 0 : 1];
            ASSERT_EQ(file->rows().size(), 1u);
            // Contents, not bytes: the header's creation time may differ by a second.
            EXPECT_EQ(GPIReader::read(fileSystem.readData(target, noReadLimit)),
                      GPIReader::read(file->gpiData()))
                << target;
        }
        await(adding);
    }
}

TEST_F(LibraryViewModelTest, SaveCombinedWritesTheDeviceFileOfTheWholeLibrary) {
    auto saveCombined = [&](const Path& target) {
        QFuture<SaveSummary> saving = library.saveCombined(target);
        await(saving);
        return saving.result();
    };
    SaveSummary none = saveCombined(out / "poi.gpi");
    EXPECT_EQ(none.failures, std::vector<QString>{QStringLiteral(
                                 "poi.gpi: Add at least one file with POIs first.")});
    EXPECT_FALSE(std::filesystem::exists(out / "poi.gpi"));

    add({dir.write("a.csv", oneRow), dir / "missing.csv"});
    library.add({dir.write("w.gpx", gpxRow)}); // still importing when the save is asked for
    SaveSummary both = saveCombined(out / "poi.gpi");
    EXPECT_EQ(both.written, std::vector<Path>{out / "poi.gpi"});
    EXPECT_EQ(text(library.statusMessage()), "Saved 1 file.");
    GPIContents saved = GPIReader::read(fileSystem.readData(out / "poi.gpi", noReadLimit));
    EXPECT_EQ(saved.categories, (std::vector<GPIContents::Category>{{"a", 1}, {"w", 1}}));
}

TEST_F(LibraryViewModelTest, SaveFailuresAreListedAndTheRestIsSaved) {
    add({dir.write("stops.csv", oneRow), dir.write("nameless.csv", oneRow)});
    file(1)->setCategoryName(QString());
    SaveSummary summary = saveAll(out.path());
    EXPECT_EQ(summary.written, std::vector<Path>{out / "stops.gpi"});
    EXPECT_EQ(text(library.statusMessage()), "Saved 1 file.");
    EXPECT_EQ(
        text(library.alertMessage()),
        "Some files could not be saved:\n\nnameless.csv: Enter a category name before saving.");

    disk->writes = std::make_shared<RefusingFileSystem>();
    QFuture<SaveSummary> writing = library.write(*file(0), out / "x.gpi");
    await(writing);
    library.report(writing.result());
    EXPECT_EQ(text(library.alertMessage()),
              "Some files could not be saved:\n\nstops.csv: Marklode doesn't have permission to "
              "save there. Choose another folder.");
    EXPECT_FALSE(library.statusMessage()) << "nothing saved, nothing to say in the status line";

    // A file that could not be read is not saved as an empty one.
    disk->writes = localFileSystem();
    add({dir / "missing.csv"});
    QFuture<SaveSummary> missing = library.write(*file(2), out / "missing.gpi");
    await(missing);
    EXPECT_EQ(missing.result().failures,
              std::vector<QString>{QStringLiteral("missing.csv: The file no longer exists.")});
    EXPECT_FALSE(std::filesystem::exists(out / "missing.gpi"));
}

} // namespace

// Closing the program and starting it again brings back the list as it was: its files in
// order, each with its settings, the selection, and a file gone meanwhile marked so.
TEST_F(LibraryViewModelTest, TheListComesBackAfterARestart) {
    Path ini = out / "settings.ini";
    auto restart = [&] {
        auto store = std::make_shared<SettingsStore>(
            std::make_unique<QSettings>(QString::fromStdString(ini.string()), QSettings::IniFormat),
            "de_DE.UTF-8");
        auto library =
            std::make_unique<LibraryViewModel>(QLocale(QStringLiteral("en_US")), std::move(store));
        await(library->keepAcrossLaunches());
        return library;
    };
    Path gone = dir.write("gone.csv", oneRow);
    {
        auto first = restart();
        EXPECT_TRUE(first->files().isEmpty());
        await(first->add({dir.write("b.gpx", gpxRow), dir.write("a.csv", oneRow), gone}));
        InputFile* a = first->files()[1];
        a->setCategoryName(QStringLiteral("Cameras"));
        a->setCategoryMode(CategoryMode::fromFile);
        a->setSpeedUnit(SpeedUnit::milesPerHour);
        a->setProximityMode(ProximityMode::fixed);
        a->setFixedProximity(120);
        first->setSelection(a->id());
    }
    std::filesystem::remove(gone);
    auto second = restart();
    std::vector<std::string> listed;
    for (const InputFile* file : second->files())
        listed.push_back(file->url().filename().string());
    EXPECT_EQ(listed, (std::vector<std::string>{"b.gpx", "a.csv", "gone.csv"}));
    ASSERT_EQ(second->files().size(), 3);
    const InputFile* a = second->files()[1];
    EXPECT_EQ(a->settings(), (FileSettings{QStringLiteral("Cameras"),
                                           CategoryMode::fromFile,
                                           SpeedUnit::milesPerHour,
                                           ProximityMode::fixed,
                                           DistanceUnit::meters,
                                           120,
                                           {}}));
    EXPECT_EQ(second->selectedFile(), a);
    EXPECT_EQ(a->rows().size(), 1u);
    EXPECT_TRUE(second->files()[2]->isDeletedOnDisk() && second->files()[2]->loadError());
    EXPECT_FALSE(second->alertMessage()) << "a file gone is said by its row alone";

    second->removeAll();
    second.reset();
    EXPECT_TRUE(restart()->files().isEmpty());
}
