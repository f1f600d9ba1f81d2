#pragma once

#include "models/DeviceViewModel.h"

#include <QWidget>

class QProgressBar;
class QPushButton;
class QLabel;

namespace marklode {

class DeviceActions;
class LibraryViewModel;

// The bottom of the sidebar: "Send to Device…", or a progress row while a transfer runs.
class DeviceActionBar : public QWidget {
    Q_OBJECT
  public:
    DeviceActionBar(LibraryViewModel& library, DeviceViewModel& devices, DeviceActions& actions,
                    QWidget* parent = nullptr);

  private:
    void update();

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    DeviceActions& actions_;
    QPushButton* send_;
    QWidget* progress_;
};

} // namespace marklode
