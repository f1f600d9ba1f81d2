#include "ui/main/MainWindow.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "ui/detail/FileDetailView.h"
#include "ui/devices/DeviceActions.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/main/DropZone.h"
#include "ui/main/SearchField.h"
#include "ui/main/Sidebar.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace marklode {

namespace {

QAction* fileAction(QObject* parent, const char* icon, const QString& title, const QString& tip,
                    const QKeySequence& shortcut) {
    auto* action = new QAction(themedIcon(icon), title, parent);
    action->setToolTip(tip);
    action->setStatusTip(tip);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainWindow::MainWindow(LibraryViewModel& library, DeviceViewModel& devices, map::TileSource tiles,
                       QWidget* parent)
    : QMainWindow(parent), library_(library), devices_(devices), tiles_(std::move(tiles)) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Marklode"));
    setMinimumSize(720, 480);
    // Roomy where the screen allows; the minimum is what fits a laptop at a scale of 2.
    QSize roomy(1100, 720);
    if (QScreen* shownOn = screen())
        roomy = roomy.boundedTo(shownOn->availableGeometry().size());
    resize(roomy.expandedTo(minimumSize()));
    setAcceptDrops(true);

    addFiles_ =
        fileAction(this, "list-add", QStringLiteral("Add Files\u2026"),
                   QStringLiteral("Add .csv or .gpx files, or a folder"), QKeySequence::Open);
    saveFile_ =
        fileAction(this, "document-send", QStringLiteral("Save .gpi\u2026"),
                   QStringLiteral("Save the selected file as a .gpi file"), QKeySequence::Save);
    saveAll_ = fileAction(this, "folder-new", QStringLiteral("Save All\u2026"),
                          QStringLiteral("Save one .gpi file per input file into a folder"),
                          QKeySequence::SaveAs);
    saveCombined_ = fileAction(
        this, "document-save-as", tr("Save as One File\u2026"),
        tr("Save one .gpi file with a category for each input file, as a device gets it"),
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    addAction(saveCombined_);
    connect(saveCombined_, &QAction::triggered, this,
            [this] { presentSaveCombinedPanel(library_, this); });
    // The platform's Save As is empty outside GNOME and XFCE; Ctrl+Shift+S works everywhere.
    QList<QKeySequence> saveAllKeys = saveAll_->shortcuts();
    const QKeySequence ctrlShiftS(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    if (!saveAllKeys.contains(ctrlShiftS))
        saveAllKeys.append(ctrlShiftS);
    saveAll_->setShortcuts(saveAllKeys);
    reloadFile_ =
        fileAction(this, "view-refresh", tr("Reload"),
                   tr("Read the selected file again from the disk"), QKeySequence(Qt::Key_F5));
    connect(addFiles_, &QAction::triggered, this, [this] { presentAddFilesPanel(library_, this); });
    // Not on the toolbar: the window holds it so that its key works without the menu too.
    addAction(reloadFile_);
    connect(reloadFile_, &QAction::triggered, this, [this] {
        if (InputFile* file = library_.selectedFile())
            library_.reread(*file);
    });
    connect(saveFile_, &QAction::triggered, this, [this] {
        if (InputFile* file = library_.selectedFile())
            presentSaveFilePanel(*file, library_, this);
    });
    connect(saveAll_, &QAction::triggered, this, [this] { presentSaveAllPanel(library_, this); });

    auto* toolbar = addToolBar(QStringLiteral("File actions"));
    toolbar->setObjectName(QStringLiteral("fileActions"));
    toolbar->setAccessibleName(QStringLiteral("File actions"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->addActions({addFiles_, saveFile_, saveAll_});
    // The overflow button a narrow window shows is a control too, and needs a name.
    for (QToolButton* button : toolbar->findChildren<QToolButton*>())
        if (button->defaultAction() == nullptr)
            button->setAccessibleName(QStringLiteral("More file actions"));
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    search_ = new SearchField(library_.locale());
    searchAction_ = toolbar->addWidget(search_);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        if (search_->isVisible())
            search_->setFocus(Qt::ShortcutFocusReason);
    });
    addAction(find);

    auto* split = new QSplitter(Qt::Horizontal);
    split->setObjectName(QStringLiteral("split"));
    split->setChildrenCollapsible(false);
    deviceActions_ = new DeviceActions(library_, devices_, this);
    sidebar_ = new Sidebar(library_, devices_, *deviceActions_);
    detail_ = new QStackedWidget;
    dropZone_ = new DropZone(library_);
    detail_->addWidget(dropZone_);
    split->addWidget(sidebar_);
    split->addWidget(detail_);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 640});
    setCentralWidget(split);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("statusLine"));
    status_->setForegroundRole(QPalette::PlaceholderText);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);

    connect(&library_, &LibraryViewModel::filesChanged, this, [this] {
        updateActions();
        updateDetail();
    });
    connect(&library_, &LibraryViewModel::selectionChanged, this, [this] {
        updateActions();
        updateDetail();
    });
    connect(&library_, &LibraryViewModel::statusMessageChanged, this, &MainWindow::updateStatus);
    connect(&library_, &LibraryViewModel::alertMessageChanged, this, &MainWindow::showLibraryAlert);
    updateActions();
    updateDetail();
    updateStatus();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!watching_) {
        watching_ = true;
        QTimer::singleShot(0, &devices_, [this] { devices_.startWatchingVolumes(); });
    }
}

void MainWindow::updateActions() {
    saveFile_->setEnabled(library_.selectedFile() != nullptr);
    reloadFile_->setEnabled(library_.selectedFile() != nullptr);
    saveAll_->setEnabled(!library_.files().isEmpty());
    saveCombined_->setEnabled(!library_.files().isEmpty());
}

void MainWindow::updateDetail() {
    InputFile* file = library_.selectedFile();
    if (file == detailFile_ && (file == nullptr) == (fileDetail_ == nullptr))
        return;
    // A fresh view for each file, so search and selection start empty.
    delete fileDetail_;
    fileDetail_ = nullptr;
    detailFile_ = file;
    if (file) {
        fileDetail_ = new FileDetailView(*file, library_.locale(), tiles_);
        connect(fileDetail_, &FileDetailView::titleChanged, this, &MainWindow::updateTitle);
        detail_->addWidget(fileDetail_);
        detail_->setCurrentWidget(fileDetail_);
    } else {
        detail_->setCurrentWidget(dropZone_);
    }
    search_->setView(fileDetail_);
    updateTitle();
}

void MainWindow::updateTitle() {
    InputFile* file = detailFile_;
    searchAction_->setVisible(fileDetail_ != nullptr && file && !file->loadError());
    if (!fileDetail_) {
        setWindowTitle(QStringLiteral("Marklode"));
        return;
    }
    setWindowTitle(fileDetail_->title() + QStringLiteral(" \u2014 ") + fileDetail_->subtitle());
}

QLineEdit* MainWindow::searchField() const {
    return search_->field();
}

void MainWindow::updateStatus() {
    const std::optional<QString>& message = library_.statusMessage();
    status_->setText(message.value_or(QString()));
    status_->setAccessibleName(message.value_or(QString()));
    statusBar()->setVisible(message.has_value());
}

void MainWindow::showLibraryAlert() {
    showWarning(libraryAlert_, this, library_.alertMessage(),
                [this] { library_.setAlertMessage(std::nullopt); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (addDroppedURLs(library_, event->mimeData()->urls()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace marklode
