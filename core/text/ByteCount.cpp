#include "core/text/ByteCount.h"

#include "core/text/Translation.h"

#include <array>
#include <optional>

namespace marklode {

namespace {

struct Unit {
    const char* name;
    int exponent;       // power of 1000
    int fractionDigits; // shown at most; trailing zeros are dropped
};

constexpr std::array<Unit, 6> units = {{
    {"KB", 1, 0},
    {"MB", 2, 1},
    {"GB", 3, 2},
    {"TB", 4, 2},
    {"PB", 5, 2},
    {"EB", 6, 2},
}};

std::uint64_t powerOfTen(int exponent) {
    std::uint64_t value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// magnitude / 10^(3*exponent - digits), rounded half up.
std::uint64_t scaled(std::uint64_t magnitude, const Unit& unit, int digits) {
    std::uint64_t divisor = powerOfTen(3 * unit.exponent - digits);
    return magnitude / divisor + (magnitude % divisor >= (divisor + 1) / 2 ? 1 : 0);
}

// The unit a magnitude is shown in; none below 1000 bytes. 999,999 bytes rounds to 1000 KB, so
// it is shown in MB.
std::optional<Unit> unitFor(std::uint64_t magnitude) {
    if (magnitude < 1000)
        return std::nullopt;
    for (const Unit& unit : units)
        if (scaled(magnitude, unit, unit.fractionDigits) < 1000 * powerOfTen(unit.fractionDigits))
            return unit;
    return units.back();
}

// `extraDigits` beyond the unit's own are shown with their trailing zeros.
std::string shown(std::int64_t bytes, int extraDigits) {
    std::string sign = bytes < 0 ? "-" : "";
    std::uint64_t magnitude =
        bytes < 0 ? ~static_cast<std::uint64_t>(bytes) + 1 : static_cast<std::uint64_t>(bytes);
    std::optional<Unit> unit = unitFor(magnitude);
    if (!unit)
        return sign + translate("ByteCount", "%n bytes", nullptr, int(magnitude));
    int digits = unit->fractionDigits + extraDigits;
    std::uint64_t rounded = scaled(magnitude, *unit, digits);
    std::uint64_t scale = powerOfTen(digits);
    std::string text = std::to_string(rounded / scale);
    std::string fraction = digits == 0 ? "" : std::to_string(rounded % scale);
    fraction.insert(0, static_cast<std::size_t>(digits) - fraction.size(), '0');
    while (extraDigits == 0 && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return sign + text + " " + unit->name;
}

} // namespace

std::string formattedByteCount(std::int64_t bytes) {
    return shown(bytes, 0);
}

std::pair<std::string, std::string> distinctByteCounts(std::int64_t first, std::int64_t second) {
    std::pair<std::string, std::string> texts{shown(first, 0), shown(second, 0)};
    // Equal texts share a unit, and at 3 digits per power of 1000 the counts show exactly.
    for (int extra = 1; texts.first == texts.second && first != second && extra <= 18; ++extra)
        texts = {shown(first, extra), shown(second, extra)};
    return texts;
}

} // namespace marklode
