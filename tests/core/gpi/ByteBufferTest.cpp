#include "core/gpi/ByteBuffer.h"

#include "core/gpi/GPIWriterError.h"
#include "support/GPITestSupport.h"
#include "support/TextEncodings.h"

#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

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
