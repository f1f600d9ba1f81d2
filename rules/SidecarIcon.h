#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

namespace marklode {

// The BMPs of one folder by their base names, letter case ignored, from one listing of it, for
// finding the sidecar icons of many inputs without listing the folder again for each.
class SidecarIcons {
  public:
    // A folder that can't be listed has none.
    static SidecarIcons inFolder(const std::filesystem::path& folder);

    // Takes note of one entry of the folder; the first BMP of a base name in listing order wins.
    void note(const std::filesystem::path& entry);
    // The BMP with the input's base name (Stops.csv picks up stops.BMP).
    std::optional<std::filesystem::path> of(const std::filesystem::path& input) const;

  private:
    std::unordered_map<std::string, std::filesystem::path> byBaseName_;
};

// The sidecar icon of one input: the first BMP with its base name in its folder's listing.
std::optional<std::filesystem::path> findSidecarIcon(const std::filesystem::path& input);

} // namespace marklode
