#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

// Spherical Web Mercator on the unit square; no Qt, so that the build-time basemap compiler
// projects exactly as the widget does.
namespace marklode::map::mercator {

// The latitude at which the projected world becomes a square.
inline constexpr double maxLatitude = 85.05112877980659;
inline constexpr double earthRadiusMeters = 6378137.0;
inline constexpr double earthCircumferenceMeters = 2 * std::numbers::pi * earthRadiusMeters;
inline constexpr double tileSize = 256; // pixels of the whole world at zoom 0
inline constexpr int maxZoom = 19;

// Linear in longitude, so longitudes beyond ±180° (unwrapped rings) land beyond [0, 1].
inline double xOf(double longitude) {
    return (longitude + 180.0) / 360.0;
}

inline double yOf(double latitude) {
    const double clamped = std::clamp(latitude, -maxLatitude, maxLatitude);
    const double phi = clamped * std::numbers::pi / 180.0;
    return 0.5 - std::log(std::tan(std::numbers::pi / 4 + phi / 2)) / (2 * std::numbers::pi);
}

inline double longitudeOf(double x) {
    return x * 360.0 - 180.0;
}

inline double latitudeOf(double y) {
    const double n = std::numbers::pi * (1 - 2 * y);
    return std::atan(std::sinh(n)) * 180.0 / std::numbers::pi;
}

// Ground metres per logical pixel at this latitude and fractional zoom.
inline double metersPerPixel(double latitude, double zoom) {
    const double phi = std::clamp(latitude, -maxLatitude, maxLatitude) * std::numbers::pi / 180.0;
    return earthCircumferenceMeters * std::cos(phi) / (tileSize * std::exp2(zoom));
}

} // namespace marklode::map::mercator
