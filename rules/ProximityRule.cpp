#include "rules/ProximityRule.h"

namespace marklode {

void checkFixedProximity(const ProximitySettings& settings) {
    if (settings.mode == ProximityMode::fixed &&
        !isUsableFixedProximity(settings.fixedProximity, settings.distanceUnit))
        throw FixedProximityError{settings.distanceUnit};
}

POI effectivePOI(POI poi, const ProximitySettings& settings) {
    switch (settings.mode) {
    case ProximityMode::off:
        poi.proximityMeters.reset();
        break;
    case ProximityMode::fromFile:
        break;
    case ProximityMode::fixed: {
        double meters = settings.distanceUnit == DistanceUnit::feet
                            ? settings.fixedProximity * metersPerFoot
                            : settings.fixedProximity;
        poi.proximityMeters = roundHalfAwayFromZero(meters);
        break;
    }
    }
    return poi;
}

} // namespace marklode
