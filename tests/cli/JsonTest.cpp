#include "cli/Json.h"

#include <gtest/gtest.h>

using marklode::cli::appendJsonString;

TEST(JsonTest, StringsKeepUTF8AndReplaceEveryByteThatIsNot) {
    struct Case {
        std::string_view text;
        std::string_view written;
    } cases[] = {
        {"Z\u00FCrich \u2713 \U0001F600 \uFFFD", "\"Z\u00FCrich \u2713 \U0001F600 \uFFFD\""},
        {"a\xE2\x82", "\"a\uFFFD\uFFFD\""},                  // truncated at the end
        {"\xE2\x82z", "\"\uFFFD\uFFFDz\""},                  // truncated, then ASCII kept
        {"\x80x", "\"\uFFFDx\""},                            // lone continuation byte
        {"\xC0\xAF", "\"\uFFFD\uFFFD\""},                    // overlong "/"
        {"\xED\xA0\x80", "\"\uFFFD\uFFFD\uFFFD\""},          // surrogate
        {"\"\\\n\x01\x7F", "\"\\\"\\\\\\n\\u0001\\u007f\""}, // escapes as before
    };
    for (const Case& c : cases) {
        std::string out;
        appendJsonString(out, c.text);
        EXPECT_EQ(out, c.written) << c.text;
    }
}
