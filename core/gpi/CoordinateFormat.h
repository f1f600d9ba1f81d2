#pragma once

#include <string>

namespace marklode {

// The shortest decimal form that reads back to the same double, always with a fraction or an
// exponent: 91.0, -200.5, 0.0001, 1e-05, 1e+16, nan, inf, -inf. Fixed notation is used from
// 0.0001 up to below 1e16 in magnitude, exponent notation outside.
std::string formatCoordinate(double value);

} // namespace marklode
