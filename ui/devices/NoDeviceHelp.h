#pragma once

#include <QWidget>

namespace marklode {

// "No Garmin found" with "Why isn't my Garmin shown?", which opens a short help popover.
class NoDeviceHelp : public QWidget {
    Q_OBJECT
  public:
    explicit NoDeviceHelp(QWidget* parent = nullptr);
    // Opens the help popover, a new one each time, and answers it.
    QWidget* showHelp();
};

} // namespace marklode
