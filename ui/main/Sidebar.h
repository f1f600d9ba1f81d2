#pragma once

#include "models/DeviceViewModel.h"

#include <QWidget>

class QTreeView;

namespace marklode {

class DeviceActions;
class LibraryUndo;
class LibraryViewModel;
class SidebarModel;
class SidebarDelegate;

// The sidebar: the files and devices list, bound to the library's selection, and the device
// action bar at its bottom; what is done to a device, the device actions do.
class Sidebar : public QWidget {
    Q_OBJECT
  public:
    Sidebar(LibraryViewModel& library, LibraryUndo& undo, DeviceViewModel& devices,
            DeviceActions& actions, QWidget* parent = nullptr);

    QTreeView* list() const { return list_; }
    SidebarModel* model() const { return model_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void selectFromLibrary();
    void showContextMenu(const QPoint& at);
    void showIssues(const QModelIndex& index, const QRect& button);
    void placeNoDeviceHelp();

    LibraryViewModel& library_;
    LibraryUndo& undo_;
    DeviceViewModel& devices_;
    DeviceActions& actions_;
    QTreeView* list_;
    SidebarModel* model_;
    SidebarDelegate* delegate_;
    bool followingModel_ = false;
};

} // namespace marklode
