#include "platform/MountInfoWatcher.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

namespace marklode {

namespace {
// Mounting one device often changes the table several times (the volume, then its options).
constexpr int settleMilliseconds = 50;
} // namespace

MountInfoWatcher::MountInfoWatcher(QObject* parent, const std::string& mountInfo)
    : VolumeWatcher(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &VolumeWatcher::volumesChanged);
    descriptor_ = ::open(mountInfo.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0)
        return;
    notifier_ = new QSocketNotifier(descriptor_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MountInfoWatcher::changed);
}

MountInfoWatcher::~MountInfoWatcher() {
    delete notifier_;
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void MountInfoWatcher::changed() {
    // The kernel lowers the flag as it reports it; the timer turns a burst into one signal.
    settle_.start();
}

} // namespace marklode
