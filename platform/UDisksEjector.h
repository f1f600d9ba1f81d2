#pragma once

#include "models/VolumeEjector.h"

#include <QDBusConnection>
#include <functional>

namespace marklode {

// Ejects through UDisks2: unmounts the file system that is mounted at the volume, then powers
// off its drive, or ejects the medium when the drive can only do that. Without UDisks2, or for
// a volume it doesn't manage, the volume is unmounted directly.
class UDisksEjector final : public VolumeEjector {
  public:
    using Bus = std::function<QDBusConnection()>;

    // The system bus unless tests name another.
    explicit UDisksEjector(Bus bus = {});

    bool eject(const Path& volume) const override;

  private:
    Bus bus_;
};

} // namespace marklode
