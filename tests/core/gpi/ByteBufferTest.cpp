#include "core/gpi/ByteBuffer.h"

#include "GPITestSupport.h"
#include "core/gpi/GPIRecord.h"
#include "core/gpi/GPIWriter.h"
#include "core/gpi/GPIWriterError.h"
#include "support/TextEncodings.h"

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

TEST(ByteBufferTest, IntegersAreLittleEndian) {
    ByteBuffer buffer;
    buffer.appendUInt8(0xAB);
    buffer.appendUInt16(0x1234);
    buffer.appendUInt32(0xDEADBEEF);
    buffer.appendInt32(-2);
    buffer.appendBytes("POI");
    EXPECT_EQ(buffer.bytes, hexBytes("ab 34 12 ef be ad de fe ff ff ff 50 4f 49"));
}

TEST(ByteBufferTest, StringEncodings) {
    struct Case {
        const char* label;
        std::string text;
        GPIEncoding encoding;
        std::string language;
        bool localized;
        const char* hex;
    };
    const Case cases[] = {
        {"empty plain", "", GPIEncoding::utf8, "", false, "00 00"},
        {"plain is UTF-8 even for 1252 files", "é", GPIEncoding::windows1252, "", false,
         "02 00 c3 a9"},
        {"empty localized", "", GPIEncoding::windows1252, "EN", true, "04 00 00 00 45 4e 00 00"},
        {"one-letter code padded", "A", GPIEncoding::utf8, "E", true, "05 00 00 00 45 20 01 00 41"},
        {"empty code is two spaces", "A", GPIEncoding::utf8, "", true,
         "05 00 00 00 20 20 01 00 41"},
        {"long code cut to two", "A", GPIEncoding::utf8, "ENG", true, "05 00 00 00 45 4e 01 00 41"},
        {"non-ASCII second character ends the code", "A", GPIEncoding::utf8, "Eé", true,
         "05 00 00 00 45 20 01 00 41"},
        {"non-ASCII first character gives spaces", "A", GPIEncoding::utf8, "ée", true,
         "05 00 00 00 20 20 01 00 41"},
        {"1252 converts", "Café€", GPIEncoding::windows1252, "EN", true,
         "09 00 00 00 45 4e 05 00 43 61 66 e9 80"},
        {"utf8 keeps UTF-8", "é", GPIEncoding::utf8, "EN", true, "06 00 00 00 45 4e 02 00 c3 a9"},
        {"1252 falls back to UTF-8 for Cyrillic", "Ж", GPIEncoding::windows1252, "EN", true,
         "06 00 00 00 45 4e 02 00 d0 96"},
    };
    for (const Case& c : cases) {
        ByteBuffer buffer;
        if (c.localized)
            appendLocalizedString(buffer, c.text, c.encoding, c.language);
        else
            buffer.appendString(c.text);
        EXPECT_EQ(hexString(buffer.bytes), hexString(hexBytes(c.hex))) << c.label;
    }
}

TEST(ByteBufferTest, StringLengthLimitCountsEncodedBytes) {
    struct Case {
        std::string text;
        bool localized;
        GPIEncoding encoding;
        bool fits;
    };
    const std::string ascii65535(65535, 'a');
    const std::string ascii65536(65536, 'a');
    std::string eAcute40000;
    for (int i = 0; i < 40000; ++i)
        eAcute40000 += "é"; // 80000 UTF-8 bytes, 40000 in Windows-1252
    const Case cases[] = {
        {ascii65535, false, GPIEncoding::utf8, true},
        {ascii65536, false, GPIEncoding::utf8, false},
        {ascii65535, true, GPIEncoding::utf8, true},
        {ascii65536, true, GPIEncoding::windows1252, false},
        {eAcute40000, true, GPIEncoding::windows1252, true},
        {eAcute40000, true, GPIEncoding::utf8, false},
        {eAcute40000, false, GPIEncoding::windows1252, false},
    };
    for (const Case& c : cases) {
        ByteBuffer buffer;
        buffer.appendUInt8(7);
        auto append = [&] {
            if (c.localized)
                appendLocalizedString(buffer, c.text, c.encoding, "EN");
            else
                buffer.appendString(c.text);
        };
        if (c.fits) {
            EXPECT_NO_THROW(append()) << c.text.size();
            EXPECT_GT(buffer.size(), 40000u);
        } else {
            try {
                append();
                ADD_FAILURE() << "accepted " << c.text.size() << " bytes";
            } catch (const GPIWriterError& error) {
                EXPECT_EQ(error, GPIWriterError::stringTooLong(c.text));
            }
            EXPECT_EQ(buffer.bytes, hexBytes("07")) << "nothing appended";
        }
    }
}

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
