#include "app/LibraryViewModel.h"

#include "app/BackgroundTask.h"
#include "app/NaturalOrder.h"
#include "app/SaveNames.h"
#include "app/UserMessage.h"
#include "core/devices/AtomicWrite.h"
#include "core/devices/LocalFileSystem.h"
#include "core/import/TextClasses.h"

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

void LibraryViewModel::write(InputFile& file, const Path& target, SaveSummary& summary) {
    try {
        Bytes data = file.gpiData();
        writeAtomically(data, target, *fileSystem);
        summary.written.push_back(target);
    } catch (...) {
        summary.failures.push_back(fileName(file.url()) + QStringLiteral(": ") +
                                   QString::fromStdString(userMessage(std::current_exception())));
    }
}

SaveSummary LibraryViewModel::saveAll(const Path& folder) {
    SaveSummary summary;
    SaveNames names;
    // The prompt may run an event loop in which files are removed.
    std::vector<QPointer<InputFile>> files(files_.begin(), files_.end());
    for (const QPointer<InputFile>& file : files) {
        if (!file || file->loadError())
            continue;
        Path target = folder / names.next(file->url().stem().string());
        if (fileSystem->fileExists(target)) {
            ReplaceDecision decision =
                confirmReplace ? confirmReplace(target) : ReplaceDecision::stop;
            if (decision == ReplaceDecision::skip) {
                summary.skipped.push_back(target);
                continue;
            }
            if (decision == ReplaceDecision::stop) {
                summary.cancelled = true;
                break;
            }
        }
        if (file)
            write(*file, target, summary);
    }
    report(summary);
    return summary;
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
