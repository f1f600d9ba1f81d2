#pragma once

#include "core/io/FileSystem.h"

namespace marklode {

// Unmounts a volume and powers off or ejects its drive. Called off the main thread; blocks
// until done.
class VolumeEjector {
  public:
    virtual ~VolumeEjector() = default;
    // False when the volume could not be unmounted or its drive not released.
    virtual bool eject(const Path& volume) const = 0;
};

} // namespace marklode
