#pragma once

#include "core/import/POI.h"
#include "rules/ExportSettings.h"

#include <cmath>

namespace marklode {

// Halves away from zero, as every whole number shown or written is rounded.
inline double roundHalfAwayFromZero(double value) {
    return std::round(value);
}

struct ProximitySettings {
    ProximityMode mode = ProximityMode::fromFile;
    double fixedProximity = defaultFixedProximity;
    DistanceUnit distanceUnit = DistanceUnit::meters;
    bool operator==(const ProximitySettings&) const = default;
};

// The POI as it is written: its proximity distance replaced according to the file's mode.
POI effectivePOI(POI poi, const ProximitySettings& settings);

} // namespace marklode
