#pragma once

#include "core/import/POIStore.h"
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

// The longest fixed distance a .gpi holds: 65,535 m, or in feet the round number below it.
constexpr double maxFixedProximity(DistanceUnit unit) {
    return unit == DistanceUnit::feet ? 215000 : 65535;
}

constexpr bool isUsableFixedProximity(double distance, DistanceUnit unit) {
    return distance >= 0 && distance <= maxFixedProximity(unit);
}

// One distance for all is set beyond what a .gpi holds: the setting is at fault, not a POI.
struct FixedProximityError {
    DistanceUnit unit;
    bool operator==(const FixedProximityError&) const = default;
};

// Throws FixedProximityError when the settings would write a distance a .gpi can't hold.
void checkFixedProximity(const ProximitySettings& settings);

// The POI as it is written: its proximity distance replaced according to the file's mode.
POI effectivePOI(POI poi, const ProximitySettings& settings);
// The same for a POI read in place; its texts are still those it was read from.
POIView effectivePOI(POIView poi, const ProximitySettings& settings);
// The same for every POI of the store, in place.
void applyProximityRule(POIStore& pois, const ProximitySettings& settings);

} // namespace marklode
