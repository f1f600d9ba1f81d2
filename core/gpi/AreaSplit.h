#pragma once

#include "core/import/POIStore.h"

#include <cstdint>
#include <span>
#include <vector>

namespace marklode {

struct AreaMember {
    double latitude;
    double longitude;
    std::uint32_t index;       // into the POIs that were split
    std::uint32_t payload = 0; // the caller's, carried along (it fills the padding)
};

// The geographic areas of one category: `members` lists the POIs area by area, with their
// coordinates so that areas can be measured without going back to the POIs; area k covers
// members[areaEnds[k - 1] .. areaEnds[k]) (from 0 for the first area).
struct AreaSplit {
    std::vector<AreaMember> members;
    std::vector<std::uint32_t> areaEnds;
};

// Halves by latitude, then by longitude, each stable, until at most `maxPerArea` POIs remain;
// areas come depth first. Coordinates must be finite. With `twoThreads` the halves of the first
// cut are split at the same time; the result is the same.
AreaSplit splitIntoAreas(const POIStore& pois, std::size_t maxPerArea, bool twoThreads = false);
// The same for members gathered by the caller, in input order with index i at position i.
AreaSplit splitIntoAreas(std::vector<AreaMember> members, std::size_t maxPerArea,
                         bool twoThreads = false);

} // namespace marklode
