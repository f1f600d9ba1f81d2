#include "models/LibraryViewModel.h"

#include "core/io/AtomicWrite.h"
#include "core/io/LocalFileSystem.h"
#include "core/text/TextClasses.h"
#include "models/BackgroundTask.h"
#include "models/NaturalOrder.h"
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

QString fileName(const Path& path) {
    return QString::fromStdString(path.filename().string());
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
    QStringList ignored;
    for (const Path& url : urls) {
        std::error_code error;
        if (std::filesystem::is_directory(url, error)) {
            for (Path& input : folderInputs(url, locale_))
                accepted.push_back(std::move(input));
        } else if (hasInputExtension(url)) {
            accepted.push_back(url);
        } else {
            ignored << fileName(url);
        }
    }

    auto run = std::make_shared<AddRun>();
    if (!ignored.isEmpty())
        run->messages << QStringLiteral("Only .csv and .gpx files can be added. Ignored: ") +
                             ignored.join(QStringLiteral(", ")) + QStringLiteral(".");
    else if (accepted.empty() && !urls.empty())
        run->messages << QStringLiteral("No .csv or .gpx files were found in the folder.");

    std::set<Path> known;
    for (const InputFile* file : files_)
        known.insert(standardized(file->url()));
    QList<InputFile*> created;
    for (const Path& url : accepted) {
        if (!known.insert(standardized(url)).second)
            continue;
        auto* file = new InputFile(url, locale_, settingsStore_, this);
        file->readInput = readInput;
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
            messages << fileName(file->url()) + QStringLiteral(": ") + *file->loadError();
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
    for (InputFile* file : gone)
        file->deleteLater();
}

std::vector<GPICategory> LibraryViewModel::categories() const {
    std::vector<GPICategory> categories;
    for (const InputFile* file : files_) {
        if (file->loadError() || file->rows().empty())
            continue;
        categories.push_back(
            GPICategory{file->categoryName().toStdString(), file->effectivePOIs(), file->icon()});
    }
    return categories;
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

void LibraryViewModel::writeNow(InputFile& file, const Path& target, SaveSummary& summary) {
    try {
        // A file that could not be read would come out as an empty .gpi.
        if (file.loadError())
            throw LoadError{file.loadError()->toStdString()};
        Bytes data = file.gpiData();
        writeAtomically(data, target, *fileSystem);
        summary.written.push_back(target);
    } catch (...) {
        summary.failures.push_back(fileName(file.url()) + QStringLiteral(": ") +
                                   QString::fromStdString(userMessage(std::current_exception())));
    }
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
        [this, pointer, target, summary, done]() mutable {
            if (pointer && holds(pointer))
                writeNow(*pointer, target, summary);
            done->addResult(summary);
            done->finish();
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

// One file after another, each once its import has been applied; the prompt's event loop
// may start another import, so that is checked again before writing.
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
            writeNow(*file, *run->target, run->summary);
            run->target.reset();
            ++run->next;
            continue;
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
    QStringList parts;
    if (!summary.written.empty()) {
        std::size_t count = summary.written.size();
        parts << QStringLiteral("Saved %1 file%2.")
                     .arg(count)
                     .arg(count == 1 ? QString() : QStringLiteral("s"));
    }
    if (!summary.skipped.empty())
        parts << QStringLiteral("Skipped %1.").arg(summary.skipped.size());
    if (summary.cancelled)
        parts << QStringLiteral("Cancelled.");
    setStatusMessage(parts.isEmpty() ? std::nullopt
                                     : std::optional(parts.join(QStringLiteral(" "))));
    if (!summary.failures.empty()) {
        QStringList lines(summary.failures.begin(), summary.failures.end());
        setAlertMessage(QStringLiteral("Some files could not be saved:\n\n") +
                        lines.join(QStringLiteral("\n")));
    }
}

} // namespace marklode
