#pragma once

#include "models/DeviceViewModel.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMessageBox;
class QStackedWidget;

namespace marklode {

class DropZone;
class FileSummaryView;
class LibraryViewModel;
class Sidebar;

// The main window: sidebar and detail column, the three file actions, the status line, the
// send confirmation and the three alerts that show what the models report.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(LibraryViewModel& library, DeviceViewModel& devices, QWidget* parent = nullptr);

    QAction* addFilesAction() const { return addFiles_; }
    QAction* saveFileAction() const { return saveFile_; }
    QAction* saveAllAction() const { return saveAll_; }
    Sidebar* sidebar() const { return sidebar_; }

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
    void showResultAlert();
    void showErrorAlert();
    void showLibraryAlert();
    // A "Marklode" alert with OK, shown while the message is set; closing it calls clear.
    void showWarning(QPointer<QMessageBox>& alert, const std::optional<QString>& message,
                     std::function<void()> clear);

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    QAction* addFiles_;
    QAction* saveFile_;
    QAction* saveAll_;
    Sidebar* sidebar_;
    QStackedWidget* detail_;
    DropZone* dropZone_;
    FileSummaryView* summary_;
    QLabel* status_;
    QPointer<QMessageBox> resultAlert_, errorAlert_, libraryAlert_;
    bool watching_ = false;
};

} // namespace marklode
