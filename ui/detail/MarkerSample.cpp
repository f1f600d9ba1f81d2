#include "ui/detail/MarkerSample.h"

#include <algorithm>

namespace marklode {

std::vector<std::size_t> markerSample(const std::vector<std::size_t>& matches,
                                      std::optional<std::size_t> selected) {
    std::size_t count = matches.size();
    if (count <= maxMapMarkers)
        return matches;
    std::vector<std::size_t> positions;
    positions.reserve(maxMapMarkers);
    double step = static_cast<double>(count) / static_cast<double>(maxMapMarkers);
    for (std::size_t i = 0; i < maxMapMarkers; ++i)
        positions.push_back(matches[static_cast<std::size_t>(step * static_cast<double>(i))]);
    if (!selected || *selected >= count)
        return positions;
    std::size_t position = matches[*selected];
    if (!std::binary_search(positions.begin(), positions.end(), position))
        positions.back() = position;
    return positions;
}

} // namespace marklode
