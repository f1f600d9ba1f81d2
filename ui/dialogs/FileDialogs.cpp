#include "ui/dialogs/FileDialogs.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "ui/widgets/NextAnswer.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

namespace marklode {

namespace {

struct PanelOptions {
    QFileDialog::FileMode mode;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
    QString title;
    QStringList filters;
    QString confirmText;
    QString proposedName;
    bool takesFolders = false;
};

// Runs the dialog, or takes a test's next answer instead. None: cancelled.
std::optional<QStringList> run(const PanelOptions& options, QWidget* parent) {
    if (auto answer = NextAnswer::take())
        if (auto* paths = std::get_if<std::optional<QStringList>>(&*answer))
            return *paths;
    auto dialog = options.takesFolders
                      ? std::make_unique<FilesAndFoldersDialog>(parent, options.title)
                      : std::make_unique<QFileDialog>(parent, options.title);
    dialog->setFileMode(options.mode);
    dialog->setAcceptMode(options.accept);
    if (!options.filters.isEmpty())
        dialog->setNameFilters(options.filters);
    if (options.mode == QFileDialog::Directory)
        dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!options.confirmText.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, options.confirmText);
    if (!options.proposedName.isEmpty())
        dialog->selectFile(options.proposedName);
    dialog->setAccessibleName(options.title);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles();
}

std::vector<Path> paths(const QStringList& files) {
    std::vector<Path> result;
    for (const QString& file : files)
        result.emplace_back(file.toStdString());
    return result;
}

// The work starts once the dialog has closed, from the event loop, without being awaited.
template <typename Work> void afterwards(QObject* context, Work work) {
    QTimer::singleShot(0, context, std::move(work));
}

} // namespace

void FilesAndFoldersDialog::accept() {
    QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && std::all_of(chosen.begin(), chosen.end(), [](const QString& path) {
            return QFileInfo::exists(path);
        }))
        QDialog::accept();
    else
        QFileDialog::accept();
}

QString proposedGPIName(const InputFile& file) {
    return QString::fromStdString(file.url().stem().string()) + QStringLiteral(".gpi");
}

void presentAddFilesPanel(LibraryViewModel& library, QWidget* parent) {
    // Files and folders both: the add operation expands folders and filters by type.
    PanelOptions options{
        QFileDialog::ExistingFiles,
        QFileDialog::AcceptOpen,
        QStringLiteral("Choose .csv or .gpx files, or a folder that contains them."),
        {QStringLiteral("CSV or GPX files (*.csv *.CSV *.gpx *.GPX)"),
         QStringLiteral("All files (*)")},
        QStringLiteral("Add"),
        {},
        true};
    if (auto chosen = run(options, parent))
        afterwards(&library, [&library, urls = paths(*chosen)] { library.add(urls); });
}

void presentSaveFilePanel(InputFile& file, LibraryViewModel& library, QWidget* parent) {
    PanelOptions options{QFileDialog::AnyFile,
                         QFileDialog::AcceptSave,
                         QStringLiteral("Save .gpi"),
                         {QStringLiteral("Garmin POI files (*.gpi)")},
                         {},
                         proposedGPIName(file)};
    auto chosen = run(options, parent);
    if (!chosen)
        return;
    // The save panel has asked about replacing already; the write doesn't ask again.
    afterwards(&library, [&library, file = QPointer<InputFile>(&file), target = paths(*chosen)[0]] {
        if (!file)
            return;
        library.write(*file, target).then(&library, [&library](const SaveSummary& summary) {
            library.report(summary);
        });
    });
}

void presentSaveAllPanel(LibraryViewModel& library, QWidget* parent) {
    PanelOptions options{
        QFileDialog::Directory,
        QFileDialog::AcceptOpen,
        QStringLiteral("Choose a folder. Marklode writes one .gpi file per input file."),
        {},
        QStringLiteral("Save Here"),
        {}};
    if (auto chosen = run(options, parent))
        afterwards(&library, [&library, folder = paths(*chosen)[0]] { library.saveAll(folder); });
}

void presentSaveCombinedPanel(LibraryViewModel& library, QWidget* parent) {
    PanelOptions options{QFileDialog::AnyFile,
                         QFileDialog::AcceptSave,
                         QCoreApplication::translate("FileDialogs", "Save as One File"),
                         {QStringLiteral("Garmin POI files (*.gpi)")},
                         {},
                         QStringLiteral("poi.gpi")};
    if (auto chosen = run(options, parent))
        afterwards(&library,
                   [&library, target = paths(*chosen)[0]] { library.saveCombined(target); });
}

void presentIconPanel(InputFile& file, QWidget* parent) {
    PanelOptions options{QFileDialog::ExistingFile,
                         QFileDialog::AcceptOpen,
                         QStringLiteral("Choose a 24-bit BMP icon, at most 24\u00D724 pixels."),
                         {QStringLiteral("BMP images (*.bmp *.BMP)")},
                         {},
                         {}};
    if (auto chosen = run(options, parent))
        file.applyIconSource(IconSource::custom(paths(*chosen)[0]));
}

} // namespace marklode
