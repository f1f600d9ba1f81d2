#pragma once

#include "models/DeviceViewModel.h"

#include <QWidget>

class QProgressBar;
class QPushButton;
class QLabel;

namespace marklode {

class LibraryViewModel;

// The bottom of the sidebar: "Send to Device…", or a progress row while a transfer runs.
class DeviceActionBar : public QWidget {
    Q_OBJECT
  public:
    DeviceActionBar(LibraryViewModel& library, DeviceViewModel& devices, QWidget* parent = nullptr);

  Q_SIGNALS:
    void sendRequested(const marklode::SendPlan& plan);

  private:
    void update();

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    QPushButton* send_;
    QWidget* progress_;
};

} // namespace marklode
