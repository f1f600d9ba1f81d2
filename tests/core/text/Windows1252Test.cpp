#include "core/text/Windows1252.h"

#include "support/TextEncodings.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace marklode;
using marklode::test::encodeWindows1252;

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
