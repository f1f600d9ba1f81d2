#pragma once

#include <QWidget>

namespace marklode {

// "No Garmin found" with "Why isn't my Garmin shown?", which opens a short help popup.
class NoDeviceHelp : public QWidget {
    Q_OBJECT
  public:
    explicit NoDeviceHelp(QWidget* parent = nullptr);
    // The help popup; made when first asked for.
    QWidget* showHelp();
};

} // namespace marklode
