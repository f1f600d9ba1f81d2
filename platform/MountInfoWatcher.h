#pragma once

#include "models/VolumeWatcher.h"

#include <QTimer>
#include <string>

class QSocketNotifier;

namespace marklode {

// Watches the mount table: the kernel flags /proc/self/mountinfo as exceptional (POLLPRI) on
// every change. A burst of changes gives one signal.
class MountInfoWatcher final : public VolumeWatcher {
    Q_OBJECT
  public:
    explicit MountInfoWatcher(QObject* parent = nullptr,
                              const std::string& mountInfo = "/proc/self/mountinfo");
    ~MountInfoWatcher() override;

    bool isWatching() const { return notifier_ != nullptr; }

  private:
    void changed();

    int descriptor_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer settle_;
};

} // namespace marklode
