#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

namespace marklode {

// The icon images (BMP, PNG, JPEG) of one folder by their base names, letter case ignored, from
// one listing of it, for finding the sidecar icons of many inputs without listing the folder
// again for each.
class SidecarIcons {
  public:
    // A folder that can't be listed has none.
    static SidecarIcons inFolder(const std::filesystem::path& folder);

    // Takes note of one entry of the folder. Of the images of one base name a BMP wins, then a
    // PNG, then a JPEG (.jpg or .jpeg); among equals the first in listing order.
    void note(const std::filesystem::path& entry);
    // The image with the input's base name (Stops.csv picks up stops.BMP).
    std::optional<std::filesystem::path> of(const std::filesystem::path& input) const;

  private:
    struct Candidate {
        int rank;
        std::filesystem::path path;
    };
    std::unordered_map<std::string, Candidate> byBaseName_;
};

// The sidecar icon of one input: the image with its base name in its folder, as SidecarIcons
// chooses it.
std::optional<std::filesystem::path> findSidecarIcon(const std::filesystem::path& input);

} // namespace marklode
