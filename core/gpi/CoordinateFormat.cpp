#include "core/gpi/CoordinateFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace marklode {

std::string formatCoordinate(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";

    // Shortest round-trip digits in scientific form, e.g. "-1.2345e+02".
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

    std::string out;
    if (scientific.front() == '-') {
        out += '-';
        scientific.remove_prefix(1);
    }
    std::size_t e = scientific.find('e');
    std::string_view mantissa = scientific.substr(0, e);
    int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits += c;

    if (exponent >= -4 && exponent < 16) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                out += digits;
                out.append(integerDigits - digits.size(), '0');
                out += ".0";
            } else {
                out += digits.substr(0, integerDigits);
                out += '.';
                out += digits.substr(integerDigits);
            }
        }
        return out;
    }

    out += digits.front();
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += exponent < 0 ? "e-" : "e+";
    int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

} // namespace marklode
