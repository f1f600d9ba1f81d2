#include "core/gpi/GPIRecord.h"

#include "core/gpi/GPIWriter.h"
#include "support/GPITestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace marklode;
using namespace marklode::test;

namespace {

ByteVector serialised(const GPIRecord& record) {
    ByteBuffer buffer;
    record.write(buffer);
    EXPECT_EQ(buffer.size(), record.serializedSize());
    return buffer.bytes;
}

GPIRecord recordWithMain(std::uint16_t type, std::string_view main) {
    GPIRecord record{.type = type};
    record.main.appendBytes(main);
    return record;
}

} // namespace

TEST(GPIRecordTest, Framing) {
    GPIRecord empty{.type = 0xFFFF};
    EXPECT_EQ(serialised(empty), hexBytes("ff ff 00 00 00 00 00 00"));

    GPIRecord forced{.type = 9, .forceExtended = true};
    EXPECT_EQ(serialised(forced), hexBytes("09 00 08 00 00 00 00 00 00 00 00 00"));

    GPIRecord withChild = recordWithMain(2, "ab");
    withChild.children.push_back(recordWithMain(3, "xyz"));
    EXPECT_EQ(withChild.mainLength(), 2u);
    EXPECT_EQ(withChild.totalLength(), 2u + 8 + 3);
    EXPECT_EQ(
        serialised(withChild),
        hexBytes("02 00 08 00 0d 00 00 00 02 00 00 00 61 62 03 00 00 00 03 00 00 00 78 79 7a"));

    // Inline records count in the main length and come before the children.
    GPIRecord nested = recordWithMain(9, "N");
    GPIRecord area{.type = 8, .forceExtended = true};
    area.children.push_back(recordWithMain(2, "w"));
    nested.inlineRecords.push_back(area);
    nested.children.push_back(recordWithMain(5, "b"));
    EXPECT_EQ(nested.mainLength(), 1u + 12 + 9);
    EXPECT_EQ(nested.totalLength(), nested.mainLength() + 9);
    EXPECT_EQ(serialised(nested), hexBytes("09 00 08 00 1f 00 00 00 16 00 00 00 4e"
                                           "08 00 08 00 09 00 00 00 00 00 00 00"
                                           "02 00 00 00 01 00 00 00 77"
                                           "05 00 00 00 01 00 00 00 62"));
}

TEST(GPIRecordTest, Semicircles) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double degrees;
        std::int32_t expected;
    } cases[] = {
        {90.0, 1073741824},
        {-90.0, -1073741824},
        {180.0, 2147483647},
        {-180.0, -2147483647 - 1},
        {0.0, 0},
        {-0.0, 0},
        {1e300, 2147483647},
        {nan, 0},
        // Half a unit rounds away from zero.
        {180.0 / 2147483648.0 * 0.5, 1},
        {-180.0 / 2147483648.0 * 0.5, -1},
        {180.0 / 2147483648.0 * 0.49, 0},
        {48.5, 578627538},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GPIWriter::semicircles(c.degrees), c.expected) << c.degrees;
}
