#pragma once

#include "core/gpi/GPIWriter.h"
#include "core/io/LocalFileSystem.h"
#include "models/InputFile.h"
#include "models/InputFileWatcher.h"
#include "models/SettingsStore.h"
#include "rules/FileExport.h"

#include <QFuture>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPromise>
#include <QString>
#include <QTimer>
#include <QUuid>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace marklode {

struct SaveSummary {
    std::vector<Path> written;
    std::vector<Path> skipped;
    std::vector<QString> failures; // "stops.csv: reason"
    bool cancelled = false;
    bool operator==(const SaveSummary&) const = default;
};

enum class ReplaceDecision { replace, skip, stop };

// Everything slow or external the library calls; tests substitute their own.
struct LibraryServices {
    // Asks whether an existing target may be replaced and hands the decision to `answer` later,
    // on the main thread; the UI shows an alert meanwhile. Without one, nothing is replaced and
    // the save-all stops.
    using ReplacePrompt =
        std::function<void(const Path& target, std::function<void(ReplaceDecision)> answer)>;

    // Where saved files are written.
    FileSystemHandle fileSystem = localFileSystem();
    // Handed to every new input file.
    InputReader readInput = [](const Path& url) { return readFileBytes(url); };
    ReplacePrompt confirmReplace;
};

// What an add finds off the main thread.
struct AddScan;

// The files of the library, the selected one, and saving .gpi files from them. Owns its
// input files; a removed file is deleted, and whatever it was still importing is dropped.
class LibraryViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<marklode::InputFile*> files READ files NOTIFY filesChanged)
    Q_PROPERTY(
        std::optional<QUuid> selection READ selection WRITE setSelection NOTIFY selectionChanged)
    Q_PROPERTY(std::optional<QString> alertMessage READ alertMessage WRITE setAlertMessage NOTIFY
                   alertMessageChanged)
    Q_PROPERTY(std::optional<QString> statusMessage READ statusMessage WRITE setStatusMessage NOTIFY
                   statusMessageChanged)
    Q_PROPERTY(bool hasCategories READ hasCategories NOTIFY hasCategoriesChanged)

  public:
    LibraryViewModel(const QLocale& locale, std::shared_ptr<SettingsStore> settingsStore,
                     LibraryServices services = {}, QObject* parent = nullptr);
    // Saves what has changed since the last save, when the library is kept across launches.
    ~LibraryViewModel() override;

    const QList<InputFile*>& files() const { return files_; }
    const std::optional<QUuid>& selection() const { return selection_; }
    void setSelection(const std::optional<QUuid>& selection);
    const std::optional<QString>& alertMessage() const { return alertMessage_; }
    void setAlertMessage(const std::optional<QString>& message);
    const std::optional<QString>& statusMessage() const { return statusMessage_; }
    void setStatusMessage(const std::optional<QString>& message);
    const QLocale& locale() const { return locale_; }

    InputFile* selectedFile() const;

    // Files and folders as dropped or chosen. The new files are listed once their folders have
    // been read off the main thread; the future finishes after they have loaded, one after
    // another, and the alert is set.
    QFuture<void> add(const std::vector<Path>& urls);
    // Lists files again as they were: at the position, in order, each with its settings, and
    // selects the one given; what can't be read is said by the file alone, and a file missing
    // from the disk is marked so. Files listed already are left as they are.
    QFuture<void> relist(std::vector<ListedFile> files, qsizetype position,
                         std::optional<std::size_t> select = std::nullopt);
    void remove(const QUuid& id);
    void removeAll();
    // The files and folders added last, newest first, kept across launches.
    const std::vector<Path>& recentlyAdded() const { return recentlyAdded_; }
    void clearRecentlyAdded();
    static constexpr std::size_t recentlyAddedCount = 10;
    // The listed file at the path, however the path is spelled; none when it isn't listed.
    InputFile* listedFile(const Path& url) const;
    // From now on the list, each file's settings and the selection are saved in the settings
    // store as they change; first the list saved last time comes back. Finishes once it has.
    QFuture<void> keepAcrossLaunches();
    // Reads a listed file afresh, keeping its settings; one deleted on disk keeps what it
    // showed and is marked so. Files also are read again when given again, and by themselves
    // when they change on disk.
    void reread(InputFile& file);
    // The categories of the files that loaded and have POIs, in library order. Copies every
    // POI: for the main thread, the counts and categoryExports serve.
    std::vector<GPICategory> categories() const;
    // The same files as what the categories are built from, without copying a POI.
    std::vector<FileExport> categoryExports() const;
    bool hasCategories() const { return hasCategories_; }
    // What the categories hold: the files, the categories they make in their modes, the POIs.
    std::int64_t exportedFileCount() const;
    std::int64_t categoryCount() const;
    std::int64_t poiCount() const;

    // Whether a file is importing or still waiting for its first import.
    bool isImporting() const;
    // Finishes once no file is importing or waiting for its first import, files added
    // meanwhile included.
    QFuture<void> whenImported();

    // Once the file's pending import has been applied, writes its .gpi atomically to target;
    // the outcome is added to the summary handed back. Nothing is written for a file removed
    // meanwhile. The file is built and written off the main thread, as it stood when the
    // import had been applied; saves are written one at a time in the order asked.
    QFuture<SaveSummary> write(InputFile& file, const Path& target, SaveSummary summary = {});
    // One .gpi per loaded file into the folder, in library order, one after another, asking on
    // the main thread before replacing; reports and hands back the summary. Each file is
    // written as write() does, once its pending import has been applied.
    QFuture<SaveSummary> saveAll(const Path& folder);
    // Once every file's import has been applied, writes one .gpi with one category per file
    // that loaded and has POIs, in library order, as a device gets it; reports and hands back
    // the summary.
    QFuture<SaveSummary> saveCombined(const Path& target);
    void report(const SaveSummary& summary);

  Q_SIGNALS:
    void filesChanged();
    void selectionChanged();
    void alertMessageChanged();
    void statusMessageChanged();
    void hasCategoriesChanged();
    void recentlyAddedChanged();

  private:
    struct AddRun;
    QFuture<void> startAdd(const std::vector<Path>& urls, const std::shared_ptr<AddRun>& run);
    void listNext(const std::shared_ptr<AddRun>& run);
    void setRecentlyAdded(std::vector<Path> paths);
    void removeWhere(const std::function<bool(const InputFile*)>& removed);
    void saveSoon();
    void saveLibrary();
    SavedLibrary savedLibrary() const;
    struct SaveRun;
    void loadNext(const std::shared_ptr<AddRun>& run);
    void finishAdd(const AddRun& run);
    bool holds(const InputFile* file) const;
    // Finishes when the file's import has been applied, or when the add run that holds it
    // waiting for its first import has ended; invalid when neither is pending.
    QFuture<void> pendingImport(const InputFile* file) const;
    // Calls `then` on the main thread in the same step that finds none of the files importing
    // (and, when asked, no add still listing its files).
    void afterImports(std::function<std::vector<InputFile*>()> files, std::function<void()> then,
                      bool alsoListing = false);
    void saveNext(const std::shared_ptr<SaveRun>& run);
    void decided(const std::shared_ptr<SaveRun>& run, const Path& target, ReplaceDecision decision);
    void finishSave(const std::shared_ptr<SaveRun>& run);
    // Builds and writes off the main thread; `then` gets the failure line, if any, back on it.
    void startWrite(const InputFile& file, const Path& target,
                    std::function<void(std::optional<QString> failure)> then);
    // The same for any bytes; a failure line names the file as given.
    void startWrite(std::function<Bytes()> build, const Path& target, std::string name,
                    std::function<void(std::optional<QString> failure)> then);
    void updateHasCategories();

    LibraryServices services_;
    QList<InputFile*> files_;
    std::optional<QUuid> selection_;
    std::optional<QString> alertMessage_;
    std::optional<QString> statusMessage_;
    QLocale locale_;
    std::shared_ptr<SettingsStore> settingsStore_;
    std::vector<std::shared_ptr<AddRun>> adding_;
    // The files listed, each by the one spelling of its path, so that none is listed twice.
    std::unordered_map<std::string, InputFile*> listed_;
    // Listed files whose first import has not started yet.
    std::unordered_set<const InputFile*> unread_;
    InputFileWatcher* watcher_;
    QTimer* saveTimer_ = nullptr;
    bool keeping_ = false;
    std::vector<Path> recentlyAdded_;
    bool hasCategories_ = false;
};

} // namespace marklode
