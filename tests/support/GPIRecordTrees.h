#pragma once

// The records of a category as GPIRecord trees, built the plain way. The writer frames them
// itself for speed; its output is held to these trees byte for byte.

#include "core/gpi/GPIRecords.h"

#include <span>

namespace marklode::gpirecords {

// These throw GPIWriterError::stringTooLong for texts beyond the 16-bit count.
GPIRecord waypointRecord(const POIView& poi, const TextStyle& style);
GPIRecord areaRecord(std::span<const POIView> pois, const TextStyle& style);
GPIRecord categoryRecord(std::string_view trimmedName, const POIStore& pois, const GPIIcon& icon,
                         std::uint16_t bitmapId, const TextStyle& style);

} // namespace marklode::gpirecords
