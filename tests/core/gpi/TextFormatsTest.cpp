#include "core/gpi/CoordinateFormat.h"
#include "core/text/Windows1252.h"
#include "support/TextEncodings.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace marklode;
using marklode::test::encodeWindows1252;

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

TEST(Windows1252Test, EncodesLosslesslyOrNotAtAll) {
    const struct {
        const char* utf8;
        std::optional<std::string> expected;
    } cases[] = {
        {"plain", "plain"},
        {"é ü ß ÿ \u00a0", "\xe9 \xfc \xdf \xff \xa0"},
        {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
         "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8e\x91\x92\x93\x94\x95\x96\x97\x98"
         "\x99\x9a\x9b\x9c\x9e\x9f"},
        {"Ж", std::nullopt},
        {"\u0081", std::nullopt}, // C1 controls have no Windows-1252 byte
        {"\u0090", std::nullopt},
        {"😀", std::nullopt},
        {"\xc3", std::nullopt},         // cut sequence
        {"\xc0\xaf", std::nullopt},     // overlong
        {"\xed\xa0\x80", std::nullopt}, // surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeWindows1252(c.utf8), c.expected) << c.utf8;
        EXPECT_EQ(isWindows1252Encodable(c.utf8), c.expected.has_value()) << c.utf8;
    }
}

TEST(Windows1252Test, DecodesEveryAssignedByteAndRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        std::string single(1, static_cast<char>(byte));
        auto decoded = decodeWindows1252(single);
        bool unassigned =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        ASSERT_EQ(decoded.has_value(), !unassigned) << byte;
        if (decoded) {
            EXPECT_TRUE(isValidUTF8(*decoded));
            EXPECT_EQ(encodeWindows1252(*decoded), single) << byte;
        }
    }
    EXPECT_EQ(decodeWindows1252("Caf\xe9 \x80"), "Café €");
}
