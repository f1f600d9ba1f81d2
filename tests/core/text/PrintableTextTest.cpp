#include "core/text/PrintableText.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(PrintableTextTest, ControlsAndDirectionMarksAreEscapedOrLeftOut) {
    struct Case {
        std::string text, printable, withoutControls;
    } cases[] = {
        {"Café \\ 50", "Café \\ 50", "Café \\ 50"},
        {"a\nb\tc\r", "a\\nb\\tc\\r", "a b c "},
        {"\x1b[2Jx\x7f", "\\x1b[2Jx\\x7f", "[2Jx"},
        {"\u202Etxt.exe", "\\u202etxt.exe", "txt.exe"},
        {"\u2028\u2066x\u2069\u200F\u0085", "\\u2028\\u2066x\\u2069\\u200f\\u0085", "x"},
        {"caf\xe9", "caf\\xe9", "caf\uFFFD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printable(c.text), c.printable) << c.text;
        EXPECT_EQ(printable(c.printable), c.printable) << "escaping twice changes nothing";
        EXPECT_EQ(withoutControls(c.text), c.withoutControls) << c.text;
    }
}
