#include "ui/main/MainWindow.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "ui/detail/FileDetailView.h"
#include "ui/detail/POITable.h"
#include "ui/devices/DeviceActions.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/main/DropZone.h"
#include "ui/main/LibraryUndo.h"
#include "ui/main/SearchField.h"
#include "ui/main/Sidebar.h"
#include "ui/main/WindowLayout.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/ShownText.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
#include <QUndoStack>

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

// Named for what it takes back, "Undo Remove from List": one template, so that a translation can
// put the command's name where its language wants it (Qt's own actions only prefix it).
QAction* historyAction(QUndoStack& stack, bool redo, QObject* parent) {
    auto* action = new QAction(parent);
    auto name = [action, redo](const QString& command) {
        if (redo)
            action->setText(command.isEmpty() ? MainWindow::tr("Redo")
                                              : MainWindow::tr("Redo %1").arg(command));
        else
            action->setText(command.isEmpty() ? MainWindow::tr("Undo")
                                              : MainWindow::tr("Undo %1").arg(command));
    };
    name(redo ? stack.redoText() : stack.undoText());
    action->setEnabled(redo ? stack.canRedo() : stack.canUndo());
    QObject::connect(&stack, redo ? &QUndoStack::redoTextChanged : &QUndoStack::undoTextChanged,
                     action, name);
    QObject::connect(&stack, redo ? &QUndoStack::canRedoChanged : &QUndoStack::canUndoChanged,
                     action, &QAction::setEnabled);
    QObject::connect(action, &QAction::triggered, &stack,
                     redo ? &QUndoStack::redo : &QUndoStack::undo);
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

    addFiles_ = fileAction(this, "list-add", tr("Add Files\u2026"),
                           tr("Add .csv or .gpx files, or a folder"), QKeySequence::Open);
    saveFile_ = fileAction(this, "document-send", tr("Save .gpi\u2026"),
                           tr("Save the selected file as a .gpi file"), QKeySequence::Save);
    saveAll_ =
        fileAction(this, "folder-new", tr("Save All\u2026"),
                   tr("Save one .gpi file per input file into a folder"), QKeySequence::SaveAs);
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
    recent_ = new QMenu(tr("Open Recent"), this);
    recent_->setToolTipsVisible(true);
    connect(&library_, &LibraryViewModel::recentlyAddedChanged, this,
            &MainWindow::updateRecentMenu);
    updateRecentMenu();
    libraryUndo_ = new LibraryUndo(library_, this);
    closeAll_ = new QAction(tr("Close All"), this);
    closeAll_->setStatusTip(tr("Take every file off the list"));
    connect(closeAll_, &QAction::triggered, libraryUndo_, &LibraryUndo::removeAll);
    undo_ = historyAction(*libraryUndo_->stack(), false, this);
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = historyAction(*libraryUndo_->stack(), true, this);
    redo_->setShortcut(QKeySequence::Redo);
    addActions({undo_, redo_});

    auto* toolbar = addToolBar(tr("File actions"));
    toolbar->setObjectName(QStringLiteral("fileActions"));
    toolbar->setAccessibleName(toolbar->windowTitle());
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->addActions({addFiles_, saveFile_, saveAll_});
    // The overflow button a narrow window shows is a control too, and needs a name.
    for (QToolButton* button : toolbar->findChildren<QToolButton*>())
        if (button->defaultAction() == nullptr)
            button->setAccessibleName(tr("More file actions"));
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    search_ = new SearchField(library_.locale());
    searchAction_ = toolbar->addWidget(search_);
    auto* find = new QAction(this);
    find->setText(tr("Search POIs")); // as Help ▸ Keyboard Shortcuts lists it
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        if (search_->isVisible())
            search_->setFocus(Qt::ShortcutFocusReason);
    });
    addAction(find);

    auto* split = split_ = new QSplitter(Qt::Horizontal);
    split->setObjectName(QStringLiteral("split"));
    split->setChildrenCollapsible(false);
    deviceActions_ = new DeviceActions(library_, devices_, this);
    sidebar_ = new Sidebar(library_, *libraryUndo_, devices_, *deviceActions_);
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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!devices_.isBusy() || quitWhileWriting_) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    if (quitQuestion_ && quitQuestion_->isVisible())
        return;
    quitQuestion_ = askQuestion(
        this, tr("Quit while writing to the device?"),
        tr("Marklode is still writing to the device. Quitting now could leave its custom POIs "
           "damaged."),
        {{tr("Quit Anyway"), QMessageBox::DestructiveRole},
         {tr("Keep Writing"), QMessageBox::RejectRole}},
        [this](QMessageBox::ButtonRole answer) {
            if (answer != QMessageBox::DestructiveRole)
                return;
            quitWhileWriting_ = true;
            if (close())
                QCoreApplication::quit();
        });
}

void MainWindow::updateActions() {
    saveFile_->setEnabled(library_.selectedFile() != nullptr);
    reloadFile_->setEnabled(library_.selectedFile() != nullptr);
    saveAll_->setEnabled(!library_.files().isEmpty());
    saveCombined_->setEnabled(!library_.files().isEmpty());
    closeAll_->setEnabled(!library_.files().isEmpty());
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
        // A file read after all, or no longer, gets a new splitter and table.
        connect(fileDetail_, &FileDetailView::titleChanged, this, &MainWindow::keepDetailLayout);
        keepDetailLayout();
        detail_->addWidget(fileDetail_);
        detail_->setCurrentWidget(fileDetail_);
    } else {
        detail_->setCurrentWidget(dropZone_);
    }
    search_->setView(fileDetail_);
    updateTitle();
}

void MainWindow::updateRecentMenu() {
    recent_->clear();
    for (const Path& path : library_.recentlyAdded()) {
        QAction* item =
            recent_->addAction(shownFileName(path), this, [this, path] { library_.add({path}); });
        item->setToolTip(shownText(path.string()));
        item->setStatusTip(item->toolTip());
    }
    recent_->addSeparator();
    recent_->addAction(tr("Clear Menu"), &library_, &LibraryViewModel::clearRecentlyAdded);
    recent_->setEnabled(!library_.recentlyAdded().empty());
}

void MainWindow::keepLayout(QSettings& settings) {
    layout_ = new WindowLayout(settings, this);
    layout_->keepGeometry(*this, QStringLiteral("window"));
    layout_->keep(*split_, QStringLiteral("sidebarSplit"));
    keepDetailLayout();
}

void MainWindow::keepDetailLayout() {
    auto* split =
        fileDetail_ ? fileDetail_->findChild<QSplitter*>(QStringLiteral("detailSplit")) : nullptr;
    if (!layout_ || !split || split == keptDetail_)
        return;
    keptDetail_ = split;
    layout_->keep(*split, QStringLiteral("detailSplit"));
    // Under a key of its own since the table has columns of details: widths kept for the
    // five columns before them would land on others.
    layout_->keep(*fileDetail_->table()->horizontalHeader(), QStringLiteral("poiTableColumns"));
    // The kept state hides the columns the file shown then had no values for.
    fileDetail_->table()->showColumns();
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
