#include "core/io/AtomicWrite.h"
#include "models/BackgroundTask.h"
#include "models/LibraryViewModel.h"
#include "models/QtText.h"
#include "rules/LibraryMessages.h"
#include "rules/SaveNames.h"
#include "rules/TransferMessages.h"
#include "rules/UserMessage.h"

#include <QPointer>
#include <QPromise>

// The library's saves: one file, all files one by one, or all in one as a device gets them.
namespace marklode {

namespace {

void record(SaveSummary& summary, const Path& target, std::optional<QString> failure) {
    if (failure)
        summary.failures.push_back(std::move(*failure));
    else
        summary.written.push_back(target);
}

} // namespace

void LibraryViewModel::startWrite(const InputFile& file, const Path& target,
                                  std::function<void(std::optional<QString> failure)> then) {
    // A file that could not be read would come out as an empty .gpi.
    if (file.loadError())
        return then(fromUtf8(
            fileProblemLine(file.url().filename().string(), file.loadError()->toStdString())));
    startWrite([exported = file.exportSnapshot()]() { return exported.gpiData(); }, target,
               file.url().filename().string(), std::move(then));
}

void LibraryViewModel::startWrite(std::function<Bytes()> build, const Path& target,
                                  std::string name,
                                  std::function<void(std::optional<QString> failure)> then) {
    background::run(
        background::savePool(), this,
        [build = std::move(build), target, fileSystem = services_.fileSystem]() {
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
                         return finish(fromUtf8(fileProblemLine(name, noPOIsToSendMessage())));
                     startWrite([files = std::move(files)]() { return deviceFileData(files); },
                                target, name, finish);
                 },
                 true);
    return result;
}

struct LibraryViewModel::SaveRun {
    Path folder;
    // Files may be removed while the prompt is open or a write runs.
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
// written. Whatever waited (an import, the prompt, a write) comes back here, so a file removed
// or being read again meanwhile is seen before it is written.
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
        if (!services_.fileSystem->fileExists(target)) {
            run->target = target;
            continue;
        }
        if (!services_.confirmReplace)
            return decided(run, target, ReplaceDecision::stop);
        services_.confirmReplace(
            target, [this, guard = QPointer(this), run, target](ReplaceDecision decision) {
                if (guard)
                    decided(run, target, decision);
            });
        return;
    }
    finishSave(run);
}

void LibraryViewModel::decided(const std::shared_ptr<SaveRun>& run, const Path& target,
                               ReplaceDecision decision) {
    switch (decision) {
    case ReplaceDecision::replace:
        run->target = target;
        break;
    case ReplaceDecision::skip:
        run->summary.skipped.push_back(target);
        ++run->next;
        break;
    case ReplaceDecision::stop:
        run->summary.cancelled = true;
        return finishSave(run);
    }
    saveNext(run);
}

void LibraryViewModel::finishSave(const std::shared_ptr<SaveRun>& run) {
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
