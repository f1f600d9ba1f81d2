#pragma once

#include "core/import/SpeedUnit.h"
#include "core/text/PrintableText.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marklode {

enum class DistanceUnit { meters, feet };
enum class ProximityMode { off, fromFile, fixed };
// Whether a file's POIs make one category, named by the user, or one per category the file
// gives them (those without one stay in the file's own).
enum class CategoryMode { oneForFile, fromFile };

inline constexpr double metersPerFoot = 0.3048;
inline constexpr double defaultFixedProximity = 300;

// Miles per hour and feet exactly when the region is "US"; no region counts as not "US".
constexpr bool regionUsesImperialUnits(std::string_view region) {
    return region == "US";
}

constexpr SpeedUnit defaultSpeedUnit(std::string_view region) {
    return regionUsesImperialUnits(region) ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour;
}

constexpr DistanceUnit defaultDistanceUnit(std::string_view region) {
    return regionUsesImperialUnits(region) ? DistanceUnit::feet : DistanceUnit::meters;
}

// The category a file's POIs get unless the user names one: the file's name without its last
// extension, with no character in it that could break or reorder the text it is shown in.
inline std::string proposedCategoryName(const std::filesystem::path& input) {
    return withoutControls(input.stem().string());
}

} // namespace marklode
