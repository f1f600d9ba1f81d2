#include "ui/dialogs/FileDialogs.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "models/QtText.h"
#include "platform/FileChooserPortal.h"
#include "rules/InputKind.h"
#include "ui/widgets/NextAnswer.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
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

// Blocks input to the parent's window while the desktop's chooser is open, as Qt does for its
// native dialogs: a modal window that is never shown on screen.
class ModalGuard {
  public:
    explicit ModalGuard(QWidget* parent)
        : window_(parent ? parent->window() : nullptr, Qt::Dialog) {
        window_.setAttribute(Qt::WA_DontShowOnScreen);
        window_.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
        window_.show();
    }
    ~ModalGuard() { window_.hide(); }
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

  private:
    QWidget window_;
};

// Only X11 windows can be named to the portal without asking the compositor for a handle.
QString portalParent(QWidget* parent) {
    if (!parent || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    return QStringLiteral("x11:") + QString::number(parent->window()->winId(), 16);
}

// "*.csv *.CSV ...": the input kinds' extensions, in the two letter cases the patterns match.
QString inputFilePatterns() {
    QStringList patterns;
    for (const InputKindRow& row : inputKinds) {
        QString extension = fromUtf8(row.extension);
        patterns << QStringLiteral("*") + extension << QStringLiteral("*") + extension.toUpper();
    }
    return patterns.join(u' ');
}

// A filter as Qt reads it: the translated name, then the patterns, which no translation touches.
QString nameFilter(const char* name, const QString& patterns) {
    return QCoreApplication::translate("FileDialogs", name) + QStringLiteral(" (") + patterns +
           QLatin1Char(')');
}

QString gpiFilter() {
    return nameFilter(QT_TRANSLATE_NOOP("FileDialogs", "Garmin POI files"),
                      QStringLiteral("*.gpi"));
}

// Each folder once, in the order its first file was chosen.
QStringList foldersOf(const QStringList& files) {
    QStringList folders;
    for (const QString& file : files)
        if (QString folder = QFileInfo(file).absolutePath(); !folders.contains(folder))
            folders.append(folder);
    return folders;
}

// The portal's chooser has no mode for files and folders alike and opens a folder that is
// chosen, so a checkbox asks for the folders of the files chosen in them instead.
FileChooserAnswer askPortal(const PanelOptions& options, QWidget* parent,
                            const QDBusConnection& bus) {
    FileChooserRequest request{
        portalParent(parent),
        options.title,
        options.confirmText,
        options.filters,
        options.mode == QFileDialog::ExistingFiles,
        QCoreApplication::translate("FileDialogs",
                                    "Add the folders instead of the files chosen in them")};
    ModalGuard guard(parent);
    FileChooserAnswer answer = FileChooserPortal(bus).openFiles(request);
    if (answer.checked)
        answer.paths = foldersOf(answer.paths);
    return answer;
}

// Runs the dialog, or takes a test's next answer instead. None: cancelled. Given a bus, a
// dialog that takes folders asks the desktop's portal there first.
std::optional<QStringList> run(const PanelOptions& options, QWidget* parent,
                               const std::optional<QDBusConnection>& portalBus = std::nullopt) {
    if (auto answer = NextAnswer::take())
        if (auto* paths = std::get_if<std::optional<QStringList>>(&*answer))
            return *paths;
    if (options.takesFolders && portalBus) {
        FileChooserAnswer answer = askPortal(options, parent, *portalBus);
        if (answer.outcome == FileChooserAnswer::chosen)
            return answer.paths;
        if (answer.outcome == FileChooserAnswer::cancelled)
            return std::nullopt;
        // Unavailable: Qt's own dialog instead.
    }
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
    return fromUtf8(file.url().stem().string()) + QStringLiteral(".gpi");
}

void presentAddFilesPanel(LibraryViewModel& library, QWidget* parent) {
    presentAddFilesPanel(library, parent,
                         fileDialogsUsePortal() ? std::optional(QDBusConnection::sessionBus())
                                                : std::nullopt);
}

void presentAddFilesPanel(LibraryViewModel& library, QWidget* parent,
                          const std::optional<QDBusConnection>& portalBus) {
    // Files and folders both: the add operation expands folders and filters by type.
    PanelOptions options{
        QFileDialog::ExistingFiles,
        QFileDialog::AcceptOpen,
        QCoreApplication::translate(
            "FileDialogs",
            "Choose .csv, .gpx, .kml, .kmz or .geojson files, or a folder that contains them."),
        {nameFilter(QT_TRANSLATE_NOOP("FileDialogs", "CSV, GPX, KML, KMZ or GeoJSON files"),
                    inputFilePatterns()),
         nameFilter(QT_TRANSLATE_NOOP("FileDialogs", "All files"), QStringLiteral("*"))},
        QCoreApplication::translate("FileDialogs", "Add"),
        {},
        true};
    if (auto chosen = run(options, parent, portalBus))
        afterwards(&library, [&library, urls = paths(*chosen)] { library.add(urls); });
}

void presentSaveFilePanel(InputFile& file, LibraryViewModel& library, QWidget* parent) {
    PanelOptions options{QFileDialog::AnyFile,
                         QFileDialog::AcceptSave,
                         QCoreApplication::translate("FileDialogs", "Save .gpi"),
                         {gpiFilter()},
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
        QCoreApplication::translate(
            "FileDialogs", "Choose a folder. Marklode writes one .gpi file per input file."),
        {},
        QCoreApplication::translate("FileDialogs", "Save Here"),
        {}};
    if (auto chosen = run(options, parent))
        afterwards(&library, [&library, folder = paths(*chosen)[0]] { library.saveAll(folder); });
}

void presentSaveCombinedPanel(LibraryViewModel& library, QWidget* parent) {
    PanelOptions options{QFileDialog::AnyFile,
                         QFileDialog::AcceptSave,
                         QCoreApplication::translate("FileDialogs", "Save as One File"),
                         {gpiFilter()},
                         {},
                         QStringLiteral("poi.gpi")};
    if (auto chosen = run(options, parent))
        afterwards(&library,
                   [&library, target = paths(*chosen)[0]] { library.saveCombined(target); });
}

void presentIconPanel(InputFile& file, QWidget* parent) {
    // Qt's patterns match letter case exactly, so each extension comes in both.
    PanelOptions options{
        QFileDialog::ExistingFile,
        QFileDialog::AcceptOpen,
        QCoreApplication::translate(
            "FileDialogs", "Choose a PNG or JPEG icon, or a 24-bit BMP of at most 24×24 pixels."),
        {nameFilter(QT_TRANSLATE_NOOP("FileDialogs", "Images"),
                    QStringLiteral("*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP"))},
        {},
        {}};
    if (auto chosen = run(options, parent))
        file.applyIconSource(IconSource::custom(paths(*chosen)[0]));
}

} // namespace marklode
