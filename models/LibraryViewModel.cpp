#include "models/LibraryViewModel.h"

#include "core/io/AtomicWrite.h"
#include "core/io/LocalFileSystem.h"
#include "models/BackgroundTask.h"
#include "models/NaturalOrder.h"
#include "models/QtText.h"
#include "rules/InputKind.h"
#include "rules/LibraryMessages.h"
#include "rules/LoadError.h"
#include "rules/SaveNames.h"
#include "rules/SidecarIcon.h"
#include "rules/TransferMessages.h"
#include "rules/UserMessage.h"

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

void record(SaveSummary& summary, const Path& target, std::optional<QString> failure) {
    if (failure)
        summary.failures.push_back(std::move(*failure));
    else
        summary.written.push_back(target);
}

// A file that loaded and has POIs becomes a category of the device file.
bool isCategory(const InputFile& file) {
    return !file.loadError() && !file.rows().empty();
}

// The input files directly in the folder, hidden ones and subfolders left out; the same
// listing notes the folder's BMPs for their icons.
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
        if (hasInputExtension(path))
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
    std::size_t next = 0;
    QPromise<void> done;
};

LibraryViewModel::LibraryViewModel(const QLocale& locale,
                                   std::shared_ptr<SettingsStore> settingsStore, QObject* parent)
    : QObject(parent), locale_(locale), settingsStore_(std::move(settingsStore)),
      watcher_(new InputFileWatcher(
          [this](const Path& key, bool exists) {
              auto listed = listed_.find(key.native());
              if (listed == listed_.end())
                  return;
              if (exists)
                  reread(*listed->second);
              else
                  listed->second->setDeletedOnDisk(true);
          },
          this)) {}

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
    auto run = std::make_shared<AddRun>();
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
                run->messages << fromUtf8(std::string(noInputFilesMessage));
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
    for (; run->listed < end; ++run->listed) {
        AddScan::Input& input = run->scan.inputs[run->listed];
        auto [listed, isNew] = listed_.try_emplace(input.key.native(), nullptr);
        if (!isNew) {
            // One given twice in this add, or still waiting in another, is read once anyway.
            if (!unread_.contains(listed->second) &&
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
        file->readInput = readInput;
        file->findSidecar = [icon = std::move(input.sidecarIcon)](const Path&) { return icon; };
        connect(file, &InputFile::rowsChanged, this, &LibraryViewModel::updateHasCategories);
        connect(file, &InputFile::loadErrorChanged, this, &LibraryViewModel::updateHasCategories);
        created << file;
        run->newFiles.emplace_back(file);
    }
    watcher_->watch(watched);
    if (!created.isEmpty()) {
        files_ << created;
        Q_EMIT filesChanged();
        if (!selection_)
            setSelection(created.front()->id());
    }
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
    QList<InputFile*> gone;
    for (InputFile* file : files_)
        if (file->id() == id)
            gone << file;
    if (gone.isEmpty())
        return;
    files_.removeIf([&](const InputFile* file) { return file->id() == id; });
    for (const InputFile* file : gone) {
        Path key = standardized(file->url());
        listed_.erase(key.native());
        unread_.erase(file);
        watcher_->forget(key);
    }
    Q_EMIT filesChanged();
    if (selection_ == id)
        setSelection(files_.isEmpty() ? std::nullopt : std::optional(files_.front()->id()));
    updateHasCategories();
    // Their rows are freed off the main thread (see InputFile).
    for (InputFile* file : gone)
        file->deleteLater();
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
        categories.push_back(file.category());
    return categories;
}

std::int64_t LibraryViewModel::categoryCount() const {
    return std::count_if(files_.begin(), files_.end(),
                         [](const InputFile* file) { return isCategory(*file); });
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

void LibraryViewModel::startWrite(const InputFile& file, const Path& target,
                                  std::function<void(std::optional<QString> failure)> then) {
    std::optional<std::string> loadError;
    if (file.loadError())
        loadError = file.loadError()->toStdString();
    startWrite(
        [exported = file.exportSnapshot(), loadError = std::move(loadError)]() {
            // A file that could not be read would come out as an empty .gpi.
            if (loadError)
                throw LoadError{*loadError};
            return exported.gpiData();
        },
        target, file.url().filename().string(), std::move(then));
}

void LibraryViewModel::startWrite(std::function<Bytes()> build, const Path& target,
                                  std::string name,
                                  std::function<void(std::optional<QString> failure)> then) {
    background::run(
        background::savePool(), this,
        [build = std::move(build), target, fileSystem = fileSystem]() {
            writeAtomically(build(), target, *fileSystem);
            return true;
        },
        [name = std::move(name), then = std::move(then)](background::Outcome<bool> outcome) {
            if (outcome.error)
                then(fromUtf8(fileProblemLine(name, userMessage(outcome.error))));
            else
                then(std::nullopt);
        });
}

QFuture<SaveSummary> LibraryViewModel::write(InputFile& file, const Path& target,
                                             SaveSummary summary) {
    auto done = std::make_shared<QPromise<SaveSummary>>();
    done->start();
    QFuture<SaveSummary> result = done->future();
    QPointer<InputFile> pointer(&file);
    afterImports(
        [pointer]() {
            return pointer ? std::vector<InputFile*>{pointer} : std::vector<InputFile*>{};
        },
        [this, pointer, target, summary, done]() {
            if (!pointer || !holds(pointer)) {
                done->addResult(summary);
                done->finish();
                return;
            }
            startWrite(*pointer, target,
                       [target, summary, done](std::optional<QString> failure) mutable {
                           record(summary, target, std::move(failure));
                           done->addResult(summary);
                           done->finish();
                       });
        });
    return result;
}

QFuture<SaveSummary> LibraryViewModel::saveCombined(const Path& target) {
    auto done = std::make_shared<QPromise<SaveSummary>>();
    done->start();
    QFuture<SaveSummary> result = done->future();
    auto finish = [this, done, target](std::optional<QString> failure) {
        SaveSummary summary;
        record(summary, target, std::move(failure));
        report(summary);
        done->addResult(summary);
        done->finish();
    };
    afterImports([this]() { return std::vector<InputFile*>(files_.begin(), files_.end()); },
                 [this, target, finish]() {
                     std::vector<FileExport> files = categoryExports();
                     std::string name = target.filename().string();
                     if (files.empty())
                         return finish(
                             fromUtf8(fileProblemLine(name, std::string(noPOIsToSendMessage))));
                     startWrite([files = std::move(files)]() { return deviceFileData(files); },
                                target, name, finish);
                 },
                 true);
    return result;
}

struct LibraryViewModel::SaveRun {
    Path folder;
    // The prompt may run an event loop in which files are removed.
    std::vector<QPointer<InputFile>> files;
    std::size_t next = 0;
    std::optional<Path> target; // of files[next], once named and confirmed
    SaveNames names;
    SaveSummary summary;
    QPromise<SaveSummary> done;
};

QFuture<SaveSummary> LibraryViewModel::saveAll(const Path& folder) {
    auto run = std::make_shared<SaveRun>();
    run->folder = folder;
    run->files.assign(files_.begin(), files_.end());
    run->done.start();
    QFuture<SaveSummary> result = run->done.future();
    saveNext(run);
    return result;
}

// One file after another, each once its import has been applied and the one before has been
// written; the prompt's event loop may start another import, so that is checked again before
// writing.
void LibraryViewModel::saveNext(const std::shared_ptr<SaveRun>& run) {
    while (run->next < run->files.size()) {
        QPointer<InputFile> file = run->files[run->next];
        if (!file || !holds(file)) {
            run->target.reset();
            ++run->next;
            continue;
        }
        if (pendingImport(file).isValid()) {
            afterImports(
                [file]() {
                    return file ? std::vector<InputFile*>{file} : std::vector<InputFile*>{};
                },
                [this, run]() { saveNext(run); });
            return;
        }
        if (run->target) {
            startWrite(*file, *run->target, [this, run](std::optional<QString> failure) {
                record(run->summary, *run->target, std::move(failure));
                run->target.reset();
                ++run->next;
                saveNext(run);
            });
            return;
        }
        if (file->loadError()) {
            ++run->next;
            continue;
        }
        Path target = run->folder / run->names.next(file->url().stem().string());
        if (fileSystem->fileExists(target)) {
            ReplaceDecision decision =
                confirmReplace ? confirmReplace(target) : ReplaceDecision::stop;
            if (decision == ReplaceDecision::skip) {
                run->summary.skipped.push_back(target);
                ++run->next;
                continue;
            }
            if (decision == ReplaceDecision::stop) {
                run->summary.cancelled = true;
                break;
            }
        }
        run->target = target;
    }
    report(run->summary);
    run->done.addResult(run->summary);
    run->done.finish();
}

void LibraryViewModel::report(const SaveSummary& summary) {
    std::string status =
        saveStatusMessage(summary.written.size(), summary.skipped.size(), summary.cancelled);
    setStatusMessage(status.empty() ? std::nullopt : std::optional(fromUtf8(status)));
    if (!summary.failures.empty()) {
        std::vector<std::string> lines;
        for (const QString& line : summary.failures)
            lines.push_back(line.toStdString());
        setAlertMessage(fromUtf8(saveFailuresMessage(lines)));
    }
}

} // namespace marklode
