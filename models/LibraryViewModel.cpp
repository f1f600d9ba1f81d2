#include "models/LibraryViewModel.h"

#include "core/io/AtomicWrite.h"
#include "core/io/LocalFileSystem.h"
#include "core/text/TextClasses.h"
#include "models/BackgroundTask.h"
#include "models/NaturalOrder.h"
#include "rules/LibraryMessages.h"
#include "rules/LoadError.h"
#include "rules/SaveNames.h"
#include "rules/UserMessage.h"

#include <QPointer>
#include <QPromise>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <set>

namespace marklode {

namespace {

bool hasInputExtension(const Path& path) {
    std::string extension = lowercased(path.extension().string());
    return extension == ".csv" || extension == ".gpx";
}

// "." and ".." resolved, so one file reached two ways is added once.
Path standardized(const Path& url) {
    std::error_code ignored;
    Path absolute = std::filesystem::absolute(url, ignored);
    return (absolute.empty() ? url : absolute).lexically_normal();
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
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

// The input files directly in the folder, hidden ones and subfolders left out.
std::vector<Path> folderInputs(const Path& folder, const QLocale& locale) {
    std::vector<Path> inputs;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return inputs;
    for (const auto& entry : entries) {
        const Path& path = entry.path();
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

struct LibraryViewModel::AddRun {
    std::vector<QPointer<InputFile>> newFiles;
    QStringList messages;
    std::size_t next = 0;
    QPromise<void> done;
};

LibraryViewModel::LibraryViewModel(const QLocale& locale,
                                   std::shared_ptr<SettingsStore> settingsStore, QObject* parent)
    : QObject(parent), locale_(locale), settingsStore_(std::move(settingsStore)) {}

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
    std::vector<Path> accepted;
    std::vector<std::string> ignored;
    for (const Path& url : urls) {
        std::error_code error;
        if (std::filesystem::is_directory(url, error)) {
            for (Path& input : folderInputs(url, locale_))
                accepted.push_back(std::move(input));
        } else if (hasInputExtension(url)) {
            accepted.push_back(url);
        } else {
            ignored.push_back(url.filename().string());
        }
    }

    auto run = std::make_shared<AddRun>();
    if (!ignored.empty())
        run->messages << fromUtf8(ignoredFilesMessage(ignored));
    else if (accepted.empty() && !urls.empty())
        run->messages << fromUtf8(std::string(noInputFilesMessage));

    std::set<Path> known;
    for (const InputFile* file : files_)
        known.insert(standardized(file->url()));
    QList<InputFile*> created;
    for (const Path& url : accepted) {
        if (!known.insert(standardized(url)).second)
            continue;
        auto* file = new InputFile(url, locale_, settingsStore_, this);
        file->readInput = readInput;
        connect(file, &InputFile::rowsChanged, this, &LibraryViewModel::updateHasCategories);
        connect(file, &InputFile::loadErrorChanged, this, &LibraryViewModel::updateHasCategories);
        created << file;
        run->newFiles.emplace_back(file);
    }
    if (!created.isEmpty()) {
        files_ << created;
        Q_EMIT filesChanged();
        if (!selection_)
            setSelection(created.front()->id());
    }

    run->done.start();
    QFuture<void> done = run->done.future();
    adding_.push_back(run);
    loadNext(run);
    return done;
}

// One import after another, in list order; files removed meanwhile are passed over.
void LibraryViewModel::loadNext(const std::shared_ptr<AddRun>& run) {
    while (run->next < run->newFiles.size()) {
        QPointer<InputFile> file = run->newFiles[run->next++];
        if (!file || !holds(file))
            continue;
        background::whenFinished(file->load(), this, [this, run]() { loadNext(run); });
        return;
    }
    std::erase(adding_, run);
    finishAdd(*run);
    run->done.finish();
}

void LibraryViewModel::finishAdd(const AddRun& run) {
    QStringList messages = run.messages;
    for (const QPointer<InputFile>& file : run.newFiles)
        if (file && holds(file) && file->loadError())
            messages << fromUtf8(
                fileProblemLine(file->url().filename().string(), file->loadError()->toStdString()));
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
    return std::any_of(files_.begin(), files_.end(),
                       [&](const InputFile* file) { return pendingImport(file).isValid(); });
}

void LibraryViewModel::afterImports(std::function<std::vector<InputFile*>()> files,
                                    std::function<void()> then) {
    for (InputFile* file : files()) {
        QFuture<void> pending = pendingImport(file);
        if (!pending.isValid())
            continue;
        background::whenFinished(pending, this,
                                 [this, files, then]() { afterImports(files, then); });
        return;
    }
    then();
}

QFuture<void> LibraryViewModel::whenImported() {
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    QFuture<void> settled = done->future();
    afterImports([this]() { return std::vector<InputFile*>(files_.begin(), files_.end()); },
                 [done]() { done->finish(); });
    return settled;
}

void LibraryViewModel::startWrite(const InputFile& file, const Path& target,
                                  std::function<void(std::optional<QString> failure)> then) {
    std::optional<std::string> loadError;
    if (file.loadError())
        loadError = file.loadError()->toStdString();
    background::run(
        background::savePool(), this,
        [exported = file.exportSnapshot(), loadError = std::move(loadError), target,
         fileSystem = fileSystem]() {
            // A file that could not be read would come out as an empty .gpi.
            if (loadError)
                throw LoadError{*loadError};
            writeAtomically(exported.gpiData(), target, *fileSystem);
            return true;
        },
        [name = file.url().filename().string(),
         then = std::move(then)](background::Outcome<bool> outcome) {
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
