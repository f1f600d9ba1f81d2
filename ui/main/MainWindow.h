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
class QMessageBox;
class QStackedWidget;

namespace marklode {

class DropZone;
class FileDetailView;
class InputFile;
class LibraryViewModel;
class SendConfirmationSheet;
class Sidebar;

// The main window: sidebar and detail column, the three file actions, the status line, the
// send confirmation and the three alerts that show what the models report.
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
    Sidebar* sidebar() const { return sidebar_; }
    QLineEdit* searchField() const { return search_; }
    // The selected file's view; null while the drop zone shows.
    FileDetailView* fileDetail() const { return fileDetail_; }

    // Shows the send sheet for the plan; confirming sends, or reports a device gone meanwhile.
    void askToSend(const SendPlan& plan);
    void confirmSend(const SendPlan& plan);

  protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void updateActions();
    void updateDetail();
    void updateStatus();
    void updateTitle();
    void showResultAlert();
    void showErrorAlert();
    void showLibraryAlert();
    // A "Marklode" alert with OK, shown while the message is set; closing it calls clear.
    void showWarning(QPointer<QMessageBox>& alert, const std::optional<QString>& message,
                     std::function<void()> clear);

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    map::TileSource tiles_;
    QAction* addFiles_;
    QAction* reloadFile_;
    QAction* saveFile_;
    QAction* saveAll_;
    QAction* saveCombined_;
    Sidebar* sidebar_;
    QStackedWidget* detail_;
    DropZone* dropZone_;
    QLineEdit* search_;
    QAction* searchAction_;
    FileDetailView* fileDetail_ = nullptr;
    QPointer<InputFile> detailFile_;
    QLabel* status_;
    QPointer<QMessageBox> resultAlert_, errorAlert_, libraryAlert_;
    QPointer<SendConfirmationSheet> sendSheet_;
    bool watching_ = false;
};

} // namespace marklode
