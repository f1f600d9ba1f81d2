#include "ui/detail/MarkerSample.h"

#include <algorithm>

namespace marklode {

std::vector<std::size_t> markerSample(const std::vector<POIRow>& rows,
                                      std::optional<std::int64_t> selected) {
    std::vector<std::size_t> positions;
    std::size_t count = rows.size();
    if (count <= maxMapMarkers) {
        positions.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            positions[i] = i;
        return positions;
    }
    positions.reserve(maxMapMarkers);
    double step = static_cast<double>(count) / static_cast<double>(maxMapMarkers);
    for (std::size_t i = 0; i < maxMapMarkers; ++i)
        positions.push_back(static_cast<std::size_t>(step * static_cast<double>(i)));
    if (!selected)
        return positions;
    // Rows keep their import order, so ids rise with positions.
    auto found =
        std::lower_bound(rows.begin(), rows.end(), *selected,
                         [](const POIRow& row, std::int64_t wanted) { return row.id < wanted; });
    if (found == rows.end() || found->id != *selected)
        return positions;
    auto position = static_cast<std::size_t>(found - rows.begin());
    if (!std::binary_search(positions.begin(), positions.end(), position))
        positions.back() = position;
    return positions;
}

} // namespace marklode
