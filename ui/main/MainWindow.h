#pragma once

#include "models/DeviceViewModel.h"
#include "ui/map/MapView.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMessageBox;
class QSettings;
class QSplitter;
class QStackedWidget;

namespace marklode {

class DeviceActions;
class DropZone;
class FileDetailView;
class InputFile;
class LibraryUndo;
class LibraryViewModel;
class SearchField;
class Sidebar;
class WindowLayout;

// The main window: sidebar and detail column, the file actions, the status line and the
// library's alert; the device actions show their own questions and results on it.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Without tiles the map shows only its built-in outlines.
    MainWindow(LibraryViewModel& library, DeviceViewModel& devices, map::TileSource tiles = {},
               QWidget* parent = nullptr);

    QAction* addFilesAction() const { return addFiles_; }
    QAction* reloadFileAction() const { return reloadFile_; }
    QAction* saveFileAction() const { return saveFile_; }
    QAction* saveAllAction() const { return saveAll_; }
    QAction* saveCombinedAction() const { return saveCombined_; }
    QAction* closeAllAction() const { return closeAll_; }
    // File ▸ Open Recent: the files and folders added last, and "Clear Menu".
    QMenu* recentMenu() const { return recent_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    Sidebar* sidebar() const { return sidebar_; }
    QLineEdit* searchField() const;
    // The selected file's view; null while the drop zone shows.
    FileDetailView* fileDetail() const { return fileDetail_; }

    DeviceActions* deviceActions() const { return deviceActions_; }

    // Puts the window's size, splitters and table columns back as they were left, and keeps
    // them in the settings from now on.
    void keepLayout(QSettings& settings);

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing while a device is being written to could leave its file damaged: asked first.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void updateActions();
    void updateDetail();
    void updateStatus();
    void updateTitle();
    void keepDetailLayout();
    void updateRecentMenu();
    void showLibraryAlert();

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    map::TileSource tiles_;
    QAction* addFiles_;
    QAction* reloadFile_;
    QAction* saveFile_;
    QAction* saveAll_;
    QAction* saveCombined_;
    QAction* closeAll_;
    QMenu* recent_;
    QAction* undo_;
    QAction* redo_;
    LibraryUndo* libraryUndo_;
    Sidebar* sidebar_;
    QSplitter* split_;
    WindowLayout* layout_ = nullptr;
    QPointer<QWidget> keptDetail_;
    QStackedWidget* detail_;
    DropZone* dropZone_;
    SearchField* search_;
    QAction* searchAction_;
    FileDetailView* fileDetail_ = nullptr;
    QPointer<InputFile> detailFile_;
    QLabel* status_;
    DeviceActions* deviceActions_;
    QPointer<QMessageBox> libraryAlert_;
    QPointer<QMessageBox> quitQuestion_;
    bool quitWhileWriting_ = false;
    bool watching_ = false;
};

} // namespace marklode
