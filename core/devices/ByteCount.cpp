#include "core/devices/ByteCount.h"

#include <array>

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

// magnitude / 10^(3*exponent - digits), rounded half up, as a fixed-point text.
std::string scaled(std::uint64_t magnitude, const Unit& unit, std::uint64_t& rounded) {
    std::uint64_t divisor = powerOfTen(3 * unit.exponent - unit.fractionDigits);
    rounded = magnitude / divisor + (magnitude % divisor >= (divisor + 1) / 2 ? 1 : 0);
    std::uint64_t scale = powerOfTen(unit.fractionDigits);
    std::string text = std::to_string(rounded / scale);
    if (unit.fractionDigits == 0)
        return text;
    std::string fraction = std::to_string(rounded % scale);
    fraction.insert(0, static_cast<std::size_t>(unit.fractionDigits) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

} // namespace

std::string formattedByteCount(std::int64_t bytes) {
    std::string sign = bytes < 0 ? "-" : "";
    std::uint64_t magnitude =
        bytes < 0 ? ~static_cast<std::uint64_t>(bytes) + 1 : static_cast<std::uint64_t>(bytes);
    if (magnitude < 1000)
        return sign + std::to_string(magnitude) + (magnitude == 1 ? " byte" : " bytes");
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint64_t rounded = 0;
        std::string text = scaled(magnitude, units[i], rounded);
        // 999,999 bytes rounds to 1000 KB: that is shown as 1 MB instead.
        bool overflows = rounded >= 1000 * powerOfTen(units[i].fractionDigits);
        if (!overflows || i + 1 == units.size())
            return sign + text + " " + units[i].name;
    }
    return {};
}

} // namespace marklode
