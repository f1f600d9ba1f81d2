#include "core/gpi/TextLengths.h"

#include "core/text/TextClasses.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace marklode;

// The word-at-a-time measures against the plain ones, with each kind of character at every
// position of a word and across word boundaries.
TEST(TextLengthsTest, AgreeWithTheCharacterByCharacterMeasures) {
    const char* const insertions[] = {
        "",       "é", "ÿ",        "\u00A0",    "€",         "–",        "\u0085",
        "\u0080", "Ж", "😀",        "\xC3",      "\xC3(",     "\x80",     "\xC2",
        "\xFF",   "Ā", "éééééééé", "aaaaaaaaé", "Straße 12", "\xE2\x82",
    };
    for (const char* insertion : insertions) {
        for (std::size_t position = 0; position <= 17; ++position) {
            for (std::size_t length : {position, std::size_t{17}, std::size_t{70}}) {
                std::string text = std::string(position, 'a') + insertion +
                                   std::string(length - std::min(length, position), 'b');
                EXPECT_EQ(isAllASCII(text), isASCII(text)) << text;
                auto expected = windows1252Length(text);
                EXPECT_EQ(windows1252Measure(text), expected) << text;
                if (expected) {
                    EXPECT_EQ(encodableLength(text), *expected) << text;
                }
            }
        }
    }
}
