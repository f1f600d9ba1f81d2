#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace marklode {

inline constexpr std::size_t maxMapMarkers = 2000;

// Of the rows matching the search (their positions in the file's rows, ascending), those that
// get a marker: all of them up to maxMapMarkers, otherwise that many spread evenly, with the
// selected match (its index in matches) in place of the last one when it isn't among them, so
// the selected POI is always on the map.
std::vector<std::size_t> markerSample(const std::vector<std::size_t>& matches,
                                      std::optional<std::size_t> selected);

} // namespace marklode
