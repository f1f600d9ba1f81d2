#pragma once

#include <QObject>

namespace marklode {

// Tells when volumes may have been mounted, unmounted or renamed. The base class never says
// so by itself; tests emit the signal.
class VolumeWatcher : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  Q_SIGNALS:
    void volumesChanged();
};

} // namespace marklode
