#include "models/LibraryViewModel.h"

#include "core/io/LocalFileSystem.h"
#include "models/BackgroundTask.h"
#include "models/NaturalOrder.h"
#include "models/QtText.h"
#include "rules/InputKind.h"
#include "rules/LibraryMessages.h"
#include "rules/SidecarIcon.h"

#include <QPointer>
#include <QPromise>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <unordered_set>

namespace marklode {

namespace {

// "." and ".." resolved, so one file reached two ways is added once.
Path standardized(const Path& url) {
    std::error_code ignored;
    Path absolute = std::filesystem::absolute(url, ignored);
    return (absolute.empty() ? url : absolute).lexically_normal();
}

// A file that loaded and has POIs becomes a category of the device file.
bool isCategory(const InputFile& file) {
    return !file.loadError() && !file.rows().empty();
}

// The input files directly in the folder, hidden ones and subfolders left out; the same
// listing notes the folder's images for their icons.
std::vector<Path> folderInputs(const Path& folder, const QLocale& locale, SidecarIcons& icons) {
    std::vector<Path> inputs;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return inputs;
    for (const auto& entry : entries) {
        const Path& path = entry.path();
        icons.note(path);
        std::error_code ignored;
        if (path.filename().string().starts_with('.') || entry.is_directory(ignored))
            continue;
        if (hasInputExtension(path, InputOrigin::foundInFolder))
            inputs.push_back(path);
    }
    sortByNaturalName(inputs, locale);
    return inputs;
}

} // namespace

// What was given, sorted out off the main thread: the input files with their icons, each folder
// listed once however many of its files were given, and the names of what isn't an input.
struct AddScan {
    struct Input {
        Path url;
        Path key; // standardized
        FileStamp stamp;
        std::optional<Path> sidecarIcon;
    };
    std::vector<Input> inputs;
    std::vector<std::string> ignored;
};

namespace {

// One spelling per folder, so that a folder given and the folder of a file given are one.
Path folderKey(const Path& folder) {
    return (folder / "").lexically_normal();
}

AddScan scanAdded(const std::vector<Path>& urls, const QLocale& locale) {
    AddScan scan;
    std::map<Path, SidecarIcons> listed;
    std::vector<Path> accepted;
    for (const Path& url : urls) {
        std::error_code error;
        if (std::filesystem::is_directory(url, error)) {
            Path key = folderKey(url);
            SidecarIcons icons;
            std::vector<Path> inputs = folderInputs(url, locale, icons);
            listed.try_emplace(key, std::move(icons));
            std::move(inputs.begin(), inputs.end(), std::back_inserter(accepted));
        } else if (hasInputExtension(url)) {
            accepted.push_back(url);
        } else {
            scan.ignored.push_back(url.filename().string());
        }
    }
    scan.inputs.reserve(accepted.size());
    for (Path& url : accepted) {
        Path folder = folderKey(url.parent_path());
        auto icons = listed.find(folder);
        if (icons == listed.end())
            icons = listed.emplace(folder, SidecarIcons::inFolder(folder)).first;
        Path key = standardized(url);
        std::optional<Path> sidecarIcon = icons->second.of(url);
        FileStamp stamp = FileStamp::of(url);
        scan.inputs.push_back(
            {std::move(url), std::move(key), std::move(stamp), std::move(sidecarIcon)});
    }
    return scan;
}

} // namespace

struct LibraryViewModel::AddRun {
    // Until every file found has been listed; then they load one after another.
    bool listing = true;
    AddScan scan;
    std::size_t listed = 0;
    std::vector<QPointer<InputFile>> newFiles;
    // Files given again, which are read afresh.
    std::vector<QPointer<InputFile>> rereads;
    std::unordered_set<const InputFile*> rereadOnce;
    QStringList messages;
    // Files listed again (at start, or when their removal is undone) take their settings and
    // place back, and what they can't read is said by their rows alone.
    std::map<Path, FileSettings> settings; // by the path as given
    std::optional<qsizetype> position;
    std::optional<Path> select;
    bool quiet = false;
    std::size_t next = 0;
    QPromise<void> done;
};

LibraryViewModel::LibraryViewModel(const QLocale& locale,
                                   std::shared_ptr<SettingsStore> settingsStore,
                                   LibraryServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)), locale_(locale),
      settingsStore_(std::move(settingsStore)), watcher_(new InputFileWatcher(
                                                    [this](const Path& key, bool exists) {
                                                        auto listed = listed_.find(key.native());
                                                        if (listed == listed_.end())
                                                            return;
                                                        if (exists)
                                                            reread(*listed->second);
                                                        else
                                                            listed->second->setDeletedOnDisk(true);
                                                    },
                                                    this)) {
    if (settingsStore_)
        recentlyAdded_ = settingsStore_->loadRecentlyAdded();
}

void LibraryViewModel::setSelection(const std::optional<QUuid>& selection) {
    selection_ = selection;
    Q_EMIT selectionChanged();
}

void LibraryViewModel::setAlertMessage(const std::optional<QString>& message) {
    alertMessage_ = message;
    Q_EMIT alertMessageChanged();
}

void LibraryViewModel::setStatusMessage(const std::optional<QString>& message) {
    statusMessage_ = message;
    Q_EMIT statusMessageChanged();
}

InputFile* LibraryViewModel::selectedFile() const {
    if (!selection_)
        return nullptr;
    auto found = std::find_if(files_.begin(), files_.end(),
                              [&](const InputFile* file) { return file->id() == *selection_; });
    return found == files_.end() ? nullptr : *found;
}

bool LibraryViewModel::holds(const InputFile* file) const {
    return std::find(files_.begin(), files_.end(), file) != files_.end();
}

QFuture<void> LibraryViewModel::add(const std::vector<Path>& urls) {
    std::vector<Path> recent;
    // Only the first ten count, however many were given.
    auto note = [&](const Path& path) {
        if (recent.size() < recentlyAddedCount &&
            std::find(recent.begin(), recent.end(), path) == recent.end())
            recent.push_back(path);
    };
    for (auto url = urls.begin(); url != urls.end() && recent.size() < recentlyAddedCount; ++url) {
        Path path = standardized(*url);
        note(path.has_filename() ? path : path.parent_path()); // a folder given as "stops/"
    }
    for (const Path& earlier : recentlyAdded_)
        note(earlier);
    setRecentlyAdded(std::move(recent));
    return startAdd(urls, std::make_shared<AddRun>());
}

void LibraryViewModel::clearRecentlyAdded() {
    setRecentlyAdded({});
}

void LibraryViewModel::setRecentlyAdded(std::vector<Path> paths) {
    if (paths == recentlyAdded_)
        return;
    recentlyAdded_ = std::move(paths);
    if (settingsStore_)
        settingsStore_->saveRecentlyAdded(recentlyAdded_);
    Q_EMIT recentlyAddedChanged();
}

QFuture<void> LibraryViewModel::relist(std::vector<ListedFile> files, qsizetype position,
                                       std::optional<std::size_t> select) {
    auto run = std::make_shared<AddRun>();
    run->quiet = true;
    run->position = std::clamp<qsizetype>(position, 0, files_.size());
    if (select && *select < files.size())
        run->select = files[*select].url;
    std::vector<Path> urls;
    for (ListedFile& file : files) {
        urls.push_back(file.url);
        run->settings.emplace(std::move(file.url), std::move(file.settings));
    }
    return startAdd(urls, run);
}

QFuture<void> LibraryViewModel::startAdd(const std::vector<Path>& urls,
                                         const std::shared_ptr<AddRun>& run) {
    run->done.start();
    QFuture<void> done = run->done.future();
    adding_.push_back(run);
    background::run(
        this, [urls, locale = locale_]() { return scanAdded(urls, locale); },
        [this, run, given = !urls.empty()](background::Outcome<AddScan> outcome) {
            if (outcome.value)
                run->scan = std::move(*outcome.value);
            if (!run->scan.ignored.empty())
                run->messages << fromUtf8(ignoredFilesMessage(run->scan.ignored));
            else if (run->scan.inputs.empty() && given)
                run->messages << fromUtf8(noInputFilesMessage());
            listNext(run);
        });
    return done;
}

// A slice of the files found at a time, so that a folder of thousands never holds the window
// for long; the files of one add are listed before the first of them loads.
void LibraryViewModel::listNext(const std::shared_ptr<AddRun>& run) {
    constexpr std::size_t filesPerTurn = 1000;
    std::size_t end = std::min(run->scan.inputs.size(), run->listed + filesPerTurn);
    QList<InputFile*> created;
    std::vector<std::pair<Path, FileStamp>> watched;
    std::optional<QUuid> selected;
    for (; run->listed < end; ++run->listed) {
        AddScan::Input& input = run->scan.inputs[run->listed];
        auto [listed, isNew] = listed_.try_emplace(input.key.native(), nullptr);
        if (!isNew) {
            if (run->select == input.url)
                selected = listed->second->id();
            // One given twice in this add, or still waiting in another, is read once anyway.
            if (!run->quiet && !unread_.contains(listed->second) &&
                run->rereadOnce.insert(listed->second).second) {
                run->rereads.emplace_back(listed->second);
                reread(*listed->second);
            }
            continue;
        }
        auto* file = new InputFile(input.url, locale_, settingsStore_, this);
        listed->second = file;
        unread_.insert(file);
        watched.emplace_back(std::move(input.key), input.stamp);
        file->readInput = services_.readInput;
        file->findSidecar = [icon = std::move(input.sidecarIcon)](const Path&) { return icon; };
        if (auto settings = run->settings.find(input.url); settings != run->settings.end())
            file->apply(settings->second);
        if (run->quiet && !input.stamp.exists)
            file->setDeletedOnDisk(true);
        if (run->select == input.url)
            selected = file->id();
        connect(file, &InputFile::rowsChanged, this, &LibraryViewModel::updateHasCategories);
        connect(file, &InputFile::loadErrorChanged, this, &LibraryViewModel::updateHasCategories);
        connect(file, &InputFile::settingsChanged, this, &LibraryViewModel::saveSoon);
        created << file;
        run->newFiles.emplace_back(file);
    }
    watcher_->watch(watched);
    if (!created.isEmpty()) {
        if (run->position) {
            qsizetype at = std::min(*run->position, files_.size());
            for (InputFile* file : created)
                files_.insert(at++, file);
            run->position = at;
        } else {
            files_ << created;
        }
        Q_EMIT filesChanged();
    }
    if (selected)
        setSelection(selected);
    else if (!created.isEmpty() && !selection_)
        setSelection(created.front()->id());
    if (run->listed < run->scan.inputs.size()) {
        QTimer::singleShot(0, this, [this, run]() { listNext(run); });
        return;
    }
    run->listing = false;
    run->scan = {};
    loadNext(run);
}

// One import after another, in list order; files removed meanwhile are passed over. The run
// ends once the files given again have been read too.
void LibraryViewModel::loadNext(const std::shared_ptr<AddRun>& run) {
    while (run->next < run->newFiles.size()) {
        QPointer<InputFile> file = run->newFiles[run->next++];
        if (!file || !holds(file))
            continue;
        unread_.erase(file);
        background::whenFinished(file->load(), this, [this, run]() { loadNext(run); });
        return;
    }
    for (const QPointer<InputFile>& file : run->rereads)
        if (file && file->isLoading()) {
            background::whenFinished(file->whenImported(), this, [this, run]() { loadNext(run); });
            return;
        }
    std::erase(adding_, run);
    finishAdd(*run);
    run->done.finish();
}

void LibraryViewModel::finishAdd(const AddRun& run) {
    if (run.quiet)
        return;
    QStringList messages = run.messages;
    for (const auto* files : {&run.newFiles, &run.rereads})
        for (const QPointer<InputFile>& file : *files)
            if (file && file->loadError() && holds(file))
                messages << fromUtf8(fileProblemLine(file->url().filename().string(),
                                                     file->loadError()->toStdString()));
    if (!messages.isEmpty())
        setAlertMessage(messages.join(QStringLiteral("\n\n")));
}

void LibraryViewModel::remove(const QUuid& id) {
    removeWhere([&](const InputFile* file) { return file->id() == id; });
}

void LibraryViewModel::removeAll() {
    removeWhere([](const InputFile*) { return true; });
}

void LibraryViewModel::removeWhere(const std::function<bool(const InputFile*)>& removed) {
    QList<InputFile*> gone;
    for (InputFile* file : files_)
        if (removed(file))
            gone << file;
    if (gone.isEmpty())
        return;
    files_.removeIf(removed);
    for (const InputFile* file : gone) {
        Path key = standardized(file->url());
        listed_.erase(key.native());
        unread_.erase(file);
        watcher_->forget(key);
    }
    Q_EMIT filesChanged();
    if (selection_ && !selectedFile())
        setSelection(files_.isEmpty() ? std::nullopt : std::optional(files_.front()->id()));
    updateHasCategories();
    // Their rows are freed off the main thread (see InputFile).
    for (InputFile* file : gone)
        file->deleteLater();
}

InputFile* LibraryViewModel::listedFile(const Path& url) const {
    auto listed = listed_.find(standardized(url).native());
    return listed == listed_.end() ? nullptr : listed->second;
}

QFuture<void> LibraryViewModel::keepAcrossLaunches() {
    if (!settingsStore_ || saveTimer_)
        return background::finished();
    saveTimer_ = new QTimer(this);
    saveTimer_->setSingleShot(true);
    // A burst of changes (a folder listed, a name typed) is written once.
    saveTimer_->setInterval(500);
    connect(saveTimer_, &QTimer::timeout, this, &LibraryViewModel::saveLibrary);
    SavedLibrary saved = settingsStore_->loadLibrary();
    auto kept = std::make_shared<QPromise<void>>();
    kept->start();
    // Saving before the list is back would forget the files still to come.
    background::whenFinished(
        relist(std::move(saved.files), files_.size(), saved.selected), this, [this, kept] {
            keeping_ = true;
            connect(this, &LibraryViewModel::filesChanged, this, &LibraryViewModel::saveSoon);
            connect(this, &LibraryViewModel::selectionChanged, this, &LibraryViewModel::saveSoon);
            saveLibrary();
            kept->finish();
        });
    return kept->future();
}

LibraryViewModel::~LibraryViewModel() {
    if (!keeping_ || !saveTimer_->isActive())
        return;
    // After the saves asked for before, so that the last one written is this one. (Waiting on
    // a future of the pool instead would run it at once, ahead of them.)
    background::savePool()->waitForDone();
    settingsStore_->saveLibrary(savedLibrary());
}

void LibraryViewModel::saveSoon() {
    if (keeping_)
        saveTimer_->start();
}

SavedLibrary LibraryViewModel::savedLibrary() const {
    SavedLibrary saved;
    saved.files.reserve(static_cast<std::size_t>(files_.size()));
    for (const InputFile* file : files_) {
        if (file->id() == selection_)
            saved.selected = saved.files.size();
        saved.files.push_back({file->url(), file->settings()});
    }
    return saved;
}

// Thousands of files take longer to write than a frame lasts.
void LibraryViewModel::saveLibrary() {
    background::run(
        background::savePool(), this,
        [store = settingsStore_, saved = savedLibrary()] { return store->saveLibrary(saved); },
        [](background::Outcome<bool>) {});
}

std::vector<FileExport> LibraryViewModel::categoryExports() const {
    std::vector<FileExport> exports;
    for (const InputFile* file : files_)
        if (isCategory(*file))
            exports.push_back(file->exportSnapshot());
    return exports;
}

std::vector<GPICategory> LibraryViewModel::categories() const {
    std::vector<GPICategory> categories;
    for (const FileExport& file : categoryExports())
        for (GPICategory& category : file.categories())
            categories.push_back(std::move(category));
    return categories;
}

std::int64_t LibraryViewModel::exportedFileCount() const {
    return std::count_if(files_.begin(), files_.end(),
                         [](const InputFile* file) { return isCategory(*file); });
}

std::int64_t LibraryViewModel::categoryCount() const {
    std::int64_t count = 0;
    for (const InputFile* file : files_)
        if (isCategory(*file))
            count += static_cast<std::int64_t>(file->exportedCategories().size());
    return count;
}

std::int64_t LibraryViewModel::poiCount() const {
    std::int64_t count = 0;
    for (const InputFile* file : files_)
        if (isCategory(*file))
            count += static_cast<std::int64_t>(file->rows().size());
    return count;
}

void LibraryViewModel::updateHasCategories() {
    bool has = std::any_of(files_.begin(), files_.end(),
                           [](const InputFile* file) { return isCategory(*file); });
    if (has == hasCategories_)
        return;
    hasCategories_ = has;
    Q_EMIT hasCategoriesChanged();
}

void LibraryViewModel::reread(InputFile& file) {
    // Its first import will read it as it is now.
    if (unread_.contains(&file))
        return;
    if (!FileStamp::of(file.url()).exists)
        file.setDeletedOnDisk(true);
    else
        file.reload();
}

QFuture<void> LibraryViewModel::pendingImport(const InputFile* file) const {
    if (file->isLoading())
        return file->whenImported();
    // Files of one add run load one after another; the later ones have not started yet.
    for (const std::shared_ptr<AddRun>& run : adding_)
        for (std::size_t i = run->next; i < run->newFiles.size(); ++i)
            if (run->newFiles[i] == file)
                return run->done.future();
    return {};
}

bool LibraryViewModel::isImporting() const {
    return std::any_of(adding_.begin(), adding_.end(),
                       [](const std::shared_ptr<AddRun>& run) { return run->listing; }) ||
           std::any_of(files_.begin(), files_.end(),
                       [&](const InputFile* file) { return pendingImport(file).isValid(); });
}

void LibraryViewModel::afterImports(std::function<std::vector<InputFile*>()> files,
                                    std::function<void()> then, bool alsoListing) {
    auto again = [this, files, then, alsoListing]() { afterImports(files, then, alsoListing); };
    if (alsoListing)
        for (const std::shared_ptr<AddRun>& run : adding_)
            if (run->listing) {
                background::whenFinished(run->done.future(), this, again);
                return;
            }
    for (InputFile* file : files()) {
        QFuture<void> pending = pendingImport(file);
        if (!pending.isValid())
            continue;
        background::whenFinished(pending, this, again);
        return;
    }
    then();
}

QFuture<void> LibraryViewModel::whenImported() {
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    QFuture<void> settled = done->future();
    afterImports([this]() { return std::vector<InputFile*>(files_.begin(), files_.end()); },
                 [done]() { done->finish(); }, true);
    return settled;
}

} // namespace marklode
