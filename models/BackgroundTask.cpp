#include "models/BackgroundTask.h"

namespace marklode::background {

namespace {

struct WorkPool : QThreadPool {
    WorkPool() { setMaxThreadCount(QThread::idealThreadCount()); }
};

Q_GLOBAL_STATIC(WorkPool, sharedWorkPool)

// At most one eject per volume and one transfer run at a time, so a few threads are enough
// even while an eject or a slow medium holds some of them.
struct VolumePool : QThreadPool {
    VolumePool() { setMaxThreadCount(8); }
};

Q_GLOBAL_STATIC(VolumePool, sharedVolumePool)

struct SavePool : QThreadPool {
    SavePool() { setMaxThreadCount(1); }
};

Q_GLOBAL_STATIC(SavePool, sharedSavePool)

} // namespace

QThreadPool* workPool() {
    return sharedWorkPool();
}

QThreadPool* volumePool() {
    return sharedVolumePool();
}

QThreadPool* savePool() {
    return sharedSavePool();
}

} // namespace marklode::background
