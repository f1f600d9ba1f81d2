#pragma once

#include "rules/ImportedContents.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace marklode {

inline constexpr std::size_t maxMapMarkers = 2000;

// Positions in rows of the rows that get a marker: all of them up to maxMapMarkers, otherwise
// that many spread evenly, with the selected row in place of the last one when it isn't among
// them, so the selected POI is always on the map.
std::vector<std::size_t> markerSample(const std::vector<POIRow>& rows,
                                      std::optional<std::int64_t> selected);

} // namespace marklode
