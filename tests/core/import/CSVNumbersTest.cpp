#include "core/import/CSVNumbers.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace marklode;

namespace {

std::optional<std::uint64_t> bits(std::optional<double> value) {
    if (!value)
        return std::nullopt;
    return std::bit_cast<std::uint64_t>(*value);
}

} // namespace

TEST(CSVNumbersTest, DecimalsReadBitForBitAsTheNumberParser) {
    const char* const texts[] = {
        "",
        "-",
        ".",
        "-.",
        "1.",
        ".5",
        "-.5",
        "0",
        "-0",
        "-0.0",
        "00012.5000",
        "0.1",
        "0.3",
        "47.467183",
        "-179.999999",
        "90.000000000001",
        "0.000000000000001",
        "123456789012345",
        "999999999999999",
        "9999999999999999",
        "-1234567890.12345",
        "1234567890.123456",
        "179.99999999999999",
        "9007199254740993",
        "1e5",
        "+1",
        " 1",
        "1 ",
        "1.2.3",
        "--1",
        "1,5",
        "0x1p3",
        "nan",
        "inf",
        "-inf",
        "4\xC2\xA0",
    };
    for (const char* text : texts)
        EXPECT_EQ(bits(csv::parseDecimal(text)), bits(parseNumber(text))) << '"' << text << '"';
    // A NUL inside ends nothing early.
    const std::string withNul("12\0"
                              "5",
                              4);
    EXPECT_EQ(csv::parseDecimal(withNul), std::nullopt);
}
