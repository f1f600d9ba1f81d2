#include "rules/ProximityRule.h"

namespace marklode {

void checkFixedProximity(const ProximitySettings& settings) {
    if (settings.mode == ProximityMode::fixed &&
        !isUsableFixedProximity(settings.fixedProximity, settings.distanceUnit))
        throw FixedProximityError{settings.distanceUnit};
}

namespace {

// The distance every POI gets, or none; fromFile keeps each POI's own.
std::optional<double> ruledProximity(const ProximitySettings& settings) {
    if (settings.mode != ProximityMode::fixed)
        return std::nullopt;
    double meters = settings.distanceUnit == DistanceUnit::feet
                        ? settings.fixedProximity * metersPerFoot
                        : settings.fixedProximity;
    return roundHalfAwayFromZero(meters);
}

} // namespace

POI effectivePOI(POI poi, const ProximitySettings& settings) {
    if (settings.mode != ProximityMode::fromFile)
        poi.proximityMeters = ruledProximity(settings);
    return poi;
}

POIView effectivePOI(POIView poi, const ProximitySettings& settings) {
    if (settings.mode != ProximityMode::fromFile)
        poi.proximityMeters = ruledProximity(settings);
    return poi;
}

void applyProximityRule(POIStore& pois, const ProximitySettings& settings) {
    if (settings.mode == ProximityMode::fromFile)
        return;
    const std::optional<double> proximity = ruledProximity(settings);
    for (std::size_t i = 0; i < pois.size(); ++i)
        pois.setProximity(i, proximity);
}

} // namespace marklode
