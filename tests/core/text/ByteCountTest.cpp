#include "core/text/ByteCount.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>

using namespace marklode;

TEST(ByteCountTest, FileStyleDecimalUnits) {
    struct Case {
        std::int64_t bytes;
        const char* text;
    };
    const Case cases[] = {
        {0, "0 bytes"},
        {1, "1 byte"},
        {999, "999 bytes"},
        {1'000, "1 KB"},
        {1'499, "1 KB"},
        {1'500, "2 KB"},
        {165'536, "166 KB"},
        {999'499, "999 KB"},
        {999'500, "1 MB"},
        {1'000'000, "1 MB"},
        {1'234'567, "1.2 MB"},
        {1'250'000, "1.3 MB"},
        {999'950'000, "1 GB"},
        {1'234'567'890, "1.23 GB"},
        {1'500'000'000, "1.5 GB"},
        {2'000'000'000'000, "2 TB"},
        {-2'000, "-2 KB"},
        {INT64_MAX, "9.22 EB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formattedByteCount(c.bytes), c.text) << c.bytes;
}

TEST(ByteCountTest, CountsThatWouldReadAlikeGetMoreDigits) {
    const struct {
        std::int64_t first, second;
        const char *firstText, *secondText;
    } cases[] = {
        {1'234'567, 999, "1.2 MB", "999 bytes"},
        {1'600'123, 1'599'987, "1.6001 MB", "1.6000 MB"},
        {165'536, 165'535, "165.536 KB", "165.535 KB"},
        {1'000'001, 999'999, "1.000001 MB", "0.999999 MB"},
        {4'294'967'296, 4'294'967'295, "4.294967296 GB", "4.294967295 GB"},
        {2'000, 2'000, "2 KB", "2 KB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(distinctByteCounts(c.first, c.second),
                  (std::pair<std::string, std::string>{c.firstText, c.secondText}))
            << c.first;
}
