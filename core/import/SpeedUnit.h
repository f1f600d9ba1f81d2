#pragma once

namespace marklode {

enum class SpeedUnit { kilometersPerHour, milesPerHour };

// Exactly; no other factor is used anywhere.
inline constexpr double kmhPerMph = 1.609344;

} // namespace marklode
