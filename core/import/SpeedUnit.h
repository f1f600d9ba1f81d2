#pragma once

#include <string_view>

namespace marklode {

enum class SpeedUnit { kilometersPerHour, milesPerHour };

// Exactly; no other factor is used anywhere.
inline constexpr double kmhPerMph = 1.609344;

constexpr std::string_view shortLabel(SpeedUnit unit) {
    return unit == SpeedUnit::milesPerHour ? "mph" : "km/h";
}

} // namespace marklode
