#include "core/gpi/CoordinateFormat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace marklode;

TEST(CoordinateFormatTest, ShortestRoundTripWithFractionOrExponent) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {91.0, "91.0"},
        {-200.5, "-200.5"},
        {1e-05, "1e-05"},
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {1.5e-05, "1.5e-05"},
        {0.0, "0.0"},
        {-0.0, "-0.0"},
        {90.000001, "90.000001"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333333333333"},
        {123456789.0, "123456789.0"},
        {1e15, "1000000000000000.0"},
        {9999999999999998.0, "9999999999999998.0"},
        {1e16, "1e+16"},
        {1.25e100, "1.25e+100"},
        {-5e-324, "-5e-324"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::quiet_NaN(), "nan"},
        {inf, "inf"},
        {-inf, "-inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCoordinate(c.value), c.text);
}
