#pragma once

#include <filesystem>
#include <optional>

namespace marklode {

// A BMP next to the input file with the same base name, letter case ignored (Stops.csv picks up
// stops.BMP): the first such entry in directory order. A folder that can't be listed has none.
std::optional<std::filesystem::path> findSidecarIcon(const std::filesystem::path& input);

} // namespace marklode
