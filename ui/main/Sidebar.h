#pragma once

#include "models/DeviceViewModel.h"

#include <QWidget>

class QTreeView;

namespace marklode {

class LibraryViewModel;
class SidebarModel;
class SidebarDelegate;

// The sidebar: the files and devices list, bound to the library's selection, and the device
// action bar at its bottom. Sends are only asked for (sendRequested); the window confirms.
class Sidebar : public QWidget {
    Q_OBJECT
  public:
    Sidebar(LibraryViewModel& library, DeviceViewModel& devices, QWidget* parent = nullptr);

    QTreeView* list() const { return list_; }
    SidebarModel* model() const { return model_; }
    // Asks "Remove custom POIs from NAME?" and removes them when confirmed.
    void confirmRemoval(const GarminDevice& device);

  Q_SIGNALS:
    void sendRequested(const marklode::SendPlan& plan);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void selectFromLibrary();
    void showContextMenu(const QPoint& at);
    void showIssues(const QModelIndex& index, const QRect& button);
    void placeNoDeviceHelp();

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    QTreeView* list_;
    SidebarModel* model_;
    SidebarDelegate* delegate_;
    bool followingModel_ = false;
};

} // namespace marklode
