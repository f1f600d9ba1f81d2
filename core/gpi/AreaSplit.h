#pragma once

#include "core/import/POI.h"

#include <cstdint>
#include <span>
#include <vector>

namespace marklode {

// The geographic areas of one category: `order` lists POI indices area by area, and area k
// covers order[areaEnds[k - 1] .. areaEnds[k]) (from 0 for the first area).
struct AreaSplit {
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> areaEnds;
};

// Halves by latitude, then by longitude, each stable, until at most `maxPerArea` POIs remain;
// areas come depth first. Coordinates must be finite.
AreaSplit splitIntoAreas(std::span<const POI> pois, std::size_t maxPerArea);

} // namespace marklode
