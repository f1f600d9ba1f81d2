#include "ui/main/Sidebar.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "ui/devices/DeviceActionBar.h"
#include "ui/devices/DeviceActions.h"
#include "ui/devices/NoDeviceHelp.h"
#include "ui/main/IssuesPopover.h"
#include "ui/main/LibraryUndo.h"
#include "ui/main/SidebarDelegate.h"
#include "ui/main/SidebarModel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>

namespace marklode {

using Kind = SidebarModel::RowKind;

Sidebar::Sidebar(LibraryViewModel& library, LibraryUndo& undo, DeviceViewModel& devices,
                 DeviceActions& actions, QWidget* parent)
    : QWidget(parent), library_(library), undo_(undo), devices_(devices), actions_(actions) {
    setMinimumWidth(220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    model_ = new SidebarModel(library, devices, this);
    delegate_ = new SidebarDelegate(this);
    delegate_->ejectEnabled = [this] { return actions_.canEject(); };
    delegate_->ejectTooltip = [this](const QModelIndex& index) {
        return !actions_.canEject() ? tr("Wait until writing has finished.")
                                    : tr("Eject %1").arg(index.data().toString());
    };
    list_ = new QTreeView;
    list_->setObjectName(QStringLiteral("sidebarList"));
    list_->setAccessibleName(tr("Files and devices"));
    list_->setModel(model_);
    list_->setItemDelegate(delegate_);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setIndentation(0);
    list_->setMouseTracking(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setFrameShape(QFrame::NoFrame);
    list_->installEventFilter(this);
    list_->expandAll();
    layout->addWidget(list_, 1);

    layout->addWidget(new DeviceActionBar(library, devices, actions));

    // A removed current row moves the view's current row to a neighbour; the library, not the
    // view, decides what is selected next.
    connect(model_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this] { followingModel_ = true; });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        followingModel_ = false;
        selectFromLibrary();
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] {
        placeNoDeviceHelp();
        selectFromLibrary();
    });
    connect(&library_, &LibraryViewModel::selectionChanged, this, &Sidebar::selectFromLibrary);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (followingModel_)
                    return;
                if (InputFile* file = model_->fileAt(current))
                    library_.setSelection(file->id());
                else if (auto device = model_->deviceAt(current))
                    devices_.setSelection(device->volumeURL);
            });
    connect(list_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (auto device = model_->deviceAt(index))
            devices_.setSelection(device->volumeURL);
    });
    connect(list_, &QTreeView::customContextMenuRequested, this, &Sidebar::showContextMenu);
    connect(delegate_, &SidebarDelegate::issuesClicked, this, &Sidebar::showIssues);
    connect(delegate_, &SidebarDelegate::ejectClicked, this, [this](const QModelIndex& index) {
        if (auto device = model_->deviceAt(index))
            actions_.eject(*device);
    });
    placeNoDeviceHelp();
}

void Sidebar::placeNoDeviceHelp() {
    QModelIndex help = model_->index(0, 0, model_->index(SidebarModel::devices, 0));
    if (model_->kindOf(help) == Kind::noDevice && !list_->indexWidget(help))
        list_->setIndexWidget(help, new NoDeviceHelp);
}

void Sidebar::selectFromLibrary() {
    InputFile* selected = library_.selectedFile();
    QModelIndex at = model_->indexOfFile(selected);
    if (at == list_->currentIndex())
        return;
    if (at.isValid())
        list_->setCurrentIndex(at);
    else
        list_->selectionModel()->clear();
}

void Sidebar::showContextMenu(const QPoint& at) {
    QModelIndex index = list_->indexAt(at);
    QMenu menu(this);
    if (InputFile* file = model_->fileAt(index)) {
        QUuid id = file->id();
        menu.addAction(tr("Remove from List"), this, [this, id] { undo_.remove(id); });
    } else if (auto device = model_->deviceAt(index)) {
        actions_.addTo(menu, *device);
    } else {
        return;
    }
    menu.exec(list_->viewport()->mapToGlobal(at));
}

void Sidebar::showIssues(const QModelIndex& index, const QRect& button) {
    if (InputFile* file = model_->fileAt(index)) {
        auto* popover = new IssuesPopover(*file, library_.locale(), list_);
        popover->showBelow(QRect(list_->viewport()->mapToGlobal(button.topLeft()), button.size()));
    }
}

bool Sidebar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace) {
            if (InputFile* file = library_.selectedFile())
                undo_.remove(file->id());
            return true;
        }
        bool activate = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                        key->key() == Qt::Key_Space;
        QModelIndex current = list_->currentIndex();
        if (activate && model_->kindOf(current) == Kind::noDevice) {
            if (auto* help = qobject_cast<NoDeviceHelp*>(list_->indexWidget(current)))
                help->showHelp();
            return true;
        }
        // The row's skipped-rows button is painted, so the keyboard reaches it through its row.
        QStyleOptionViewItem row;
        row.initFrom(list_);
        row.rect = list_->visualRect(current);
        if (QRect button = SidebarDelegate::issueButtonRect(row, current);
            activate && !button.isNull()) {
            showIssues(current, button);
            return true;
        }
    }
    // The menu key and Shift+F10 open the current row's menu, wherever the mouse is.
    bool shiftF10 = event->type() == QEvent::KeyPress &&
                    static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 &&
                    static_cast<QKeyEvent*>(event)->modifiers() == Qt::ShiftModifier;
    if (shiftF10 ||
        (event->type() == QEvent::ContextMenu &&
         static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)) {
        showContextMenu(list_->visualRect(list_->currentIndex()).center());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace marklode
