#pragma once

#include "core/devices/MountedVolumes.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace marklode::test {

// The default volume source, kept to the volumes mounted below `folder`: a test scans its own
// mounts only, never another's card or a slow network share the machine happens to have.
inline VolumeSource volumesBelow(Path folder) {
    return [folder = std::move(folder), all = defaultVolumeSource()] {
        std::vector<Path> own;
        for (Path& volume : all()) {
            auto [end, ignored] =
                std::mismatch(folder.begin(), folder.end(), volume.begin(), volume.end());
            if (end == folder.end())
                own.push_back(std::move(volume));
        }
        return own;
    };
}

} // namespace marklode::test
