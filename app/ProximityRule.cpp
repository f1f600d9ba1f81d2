#include "app/ProximityRule.h"

namespace marklode {

POI effectivePOI(const POI& poi, const ProximitySettings& settings) {
    POI effective = poi;
    switch (settings.mode) {
    case ProximityMode::off:
        effective.proximityMeters.reset();
        break;
    case ProximityMode::fromFile:
        break;
    case ProximityMode::fixed: {
        double meters = settings.distanceUnit == DistanceUnit::feet
                            ? settings.fixedProximity * metersPerFoot
                            : settings.fixedProximity;
        effective.proximityMeters = roundHalfAwayFromZero(meters);
        break;
    }
    }
    return effective;
}

} // namespace marklode
