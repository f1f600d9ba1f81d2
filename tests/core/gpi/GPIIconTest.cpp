#include "core/gpi/GPIIcon.h"

#include "core/gpi/GPIIconError.h"
#include "core/io/FileError.h"
#include "support/GPITestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>
#include <thread>

using namespace marklode;
using namespace marklode::test;

namespace {

ByteVector bmp(BMPSpec layout) {
    return makeBMP(layout, patternColour);
}

std::optional<GPIIconError> errorOf(const ByteVector& bytes) {
    try {
        GPIIcon::fromBMP(bytes);
    } catch (const GPIIconError& error) {
        return error;
    }
    return std::nullopt;
}

ByteVector withU32(ByteVector bytes, std::size_t at, std::uint32_t value) {
    putU32(bytes, at, value);
    return bytes;
}

} // namespace

TEST(GPIIconTest, RejectsInCheckOrderWithExactDescriptions) {
    ByteVector png = hexBytes("89 50 4e 47 0d 0a 1a 0a 00 00 00 0d 49 48 44 52 00 00 00 18 00 00 "
                              "00 18 08 02 00 00 00");
    ByteVector shortBM = bmp({});
    shortBM.resize(25);
    ByteVector os2 = withU32(bmp({}), 14, 12);
    ByteVector cutHeader = bmp({.headerSize = 108});
    cutHeader.resize(60);
    ByteVector lastRowCut = bmp({.width = 5, .height = 3});
    lastRowCut.pop_back();
    const struct {
        const char* label;
        ByteVector bytes;
        GPIIconError expected;
        const char* description;
    } cases[] = {
        {"25 bytes starting with BM", shortBM, GPIIconError::notABMP(),
         "The icon is not a BMP file."},
        {"PNG", png, GPIIconError::notABMP(), "The icon is not a BMP file."},
        {"OS/2 header", os2, GPIIconError::unsupportedHeader(12),
         "Unsupported BMP header (size 12)."},
        {"info header beyond the file", cutHeader, GPIIconError::truncated(),
         "The BMP file is incomplete."},
        {"32-bit", bmp({.bitsPerPixel = 32}), GPIIconError::unsupportedBitDepth(32),
         "The icon must be a 24-bit BMP; this one is 32-bit."},
        {"8-bit palette", bmp({.bitsPerPixel = 8}), GPIIconError::unsupportedBitDepth(8),
         "The icon must be a 24-bit BMP; this one is 8-bit."},
        {"bit depth before compression", bmp({.bitsPerPixel = 16, .compression = 3}),
         GPIIconError::unsupportedBitDepth(16),
         "The icon must be a 24-bit BMP; this one is 16-bit."},
        {"bit fields", bmp({.compression = 3}), GPIIconError::compressed(),
         "Compressed BMP files are not supported."},
        {"compression before size", bmp({.width = 32, .height = 32, .compression = 1}),
         GPIIconError::compressed(), "Compressed BMP files are not supported."},
        {"32x32", bmp({.width = 32, .height = 32}), GPIIconError::invalidSize(32, 32),
         "The icon must be at most 24x24 pixels; this one is 32x32."},
        {"zero width", withU32(bmp({}), 18, 0), GPIIconError::invalidSize(0, 2),
         "The icon must be at most 24x24 pixels; this one is 0x2."},
        {"negative width", withU32(bmp({}), 18, static_cast<std::uint32_t>(-3)),
         GPIIconError::invalidSize(-3, 2),
         "The icon must be at most 24x24 pixels; this one is -3x2."},
        {"zero height", withU32(bmp({}), 22, 0), GPIIconError::invalidSize(2, 0),
         "The icon must be at most 24x24 pixels; this one is 2x0."},
        {"tall top-down reports the absolute height", bmp({.width = 4, .height = -25}),
         GPIIconError::invalidSize(4, 25),
         "The icon must be at most 24x24 pixels; this one is 4x25."},
        {"most negative height", withU32(bmp({}), 22, 0x80000000u),
         GPIIconError::invalidSize(2, 2147483648LL),
         "The icon must be at most 24x24 pixels; this one is 2x2147483648."},
        {"pixel offset inside the headers", withU32(bmp({}), 10, 53), GPIIconError::truncated(),
         "The BMP file is incomplete."},
        {"cut inside the last row", lastRowCut, GPIIconError::truncated(),
         "The BMP file is incomplete."},
        {"pixel offset beyond the file", withU32(bmp({}), 10, 0xFFFFFFF0u),
         GPIIconError::truncated(), "The BMP file is incomplete."},
    };
    for (const auto& c : cases) {
        auto error = errorOf(c.bytes);
        ASSERT_TRUE(error.has_value()) << c.label;
        EXPECT_EQ(*error, c.expected) << c.label;
        EXPECT_EQ(error->description(), c.description) << c.label;
    }
}

TEST(GPIIconTest, ReadsRowsTopDownWithoutPadding) {
    ByteVector bottomUp = bmp({.width = 5, .height = 3});
    ASSERT_EQ(bottomUp.size(), 54u + 16 * 3) << "rows padded to a stride of 16";
    bottomUp.insert(bottomUp.end(), {1, 2, 3}); // trailing bytes are ignored
    GPIIcon icon = GPIIcon::fromBMP(bottomUp);
    EXPECT_EQ(icon.width(), 5);
    EXPECT_EQ(icon.height(), 3);
    EXPECT_FALSE(icon.usesPalette());
    ASSERT_EQ(icon.pixelsBGR().size(), 45u);
    ByteVector firstStoredRowIsBottom(bottomUp.begin() + 54, bottomUp.begin() + 54 + 15);
    ByteVector lastStoredRow(bottomUp.begin() + 54 + 32, bottomUp.begin() + 54 + 47);
    EXPECT_EQ(ByteVector(icon.pixelsBGR().begin(), icon.pixelsBGR().begin() + 15), lastStoredRow);
    EXPECT_EQ(ByteVector(icon.pixelsBGR().end() - 15, icon.pixelsBGR().end()),
              firstStoredRowIsBottom);

    GPIIcon topDown = GPIIcon::fromBMP(bmp({.width = 5, .height = -3}));
    EXPECT_EQ(topDown, icon) << "same picture, other row order";
    for (std::size_t r = 0; r < 3; ++r)
        for (std::size_t c = 0; c < 5; ++c) {
            BGR expected = patternColour(r, c);
            std::size_t at = 3 * (r * 5 + c);
            EXPECT_EQ(icon.pixelsBGR()[at], expected.blue);
            EXPECT_EQ(icon.pixelsBGR()[at + 2], expected.red);
        }

    GPIIcon largest = GPIIcon::fromBMP(bmp({.width = 24, .height = -24, .headerSize = 124}));
    EXPECT_EQ(largest.width(), GPIIcon::maxSide);
    EXPECT_EQ(largest.height(), GPIIcon::maxSide);
}

TEST(GPIIconTest, ContentsOfReadsTheFileOrPassesItsErrorOn) {
    TempDir dir;
    ByteVector bytes = bmp({.width = 3, .height = 2});
    std::filesystem::path file = dir.write("icon.bmp", std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(GPIIcon::contentsOf(file), GPIIcon::fromBMP(bytes));
    try {
        GPIIcon::contentsOf(dir / "missing.bmp");
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.code().value(), ENOENT);
    }
}

TEST(GPIIconTest, DefaultIcon) {
    const GPIIcon& icon = GPIIcon::defaultIcon();
    EXPECT_EQ(icon.width(), 24);
    EXPECT_EQ(icon.height(), 24);
    EXPECT_TRUE(icon.usesPalette());
    auto pixel = [&](std::size_t row, std::size_t column) {
        std::size_t at = 3 * (row * 24 + column);
        const auto& bgr = icon.pixelsBGR();
        return std::tuple(bgr[at], bgr[at + 1], bgr[at + 2]);
    };
    using Colour = std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>;
    EXPECT_EQ(pixel(0, 0), Colour(0xFF, 0x00, 0xFF)) << "magenta corner";
    EXPECT_EQ(pixel(11, 11), Colour(0x20, 0x20, 0xD0)) << "red centre";
    EXPECT_EQ(pixel(11, 3), Colour(0xFF, 0xFF, 0xFF)) << "white ring, d = 8.5";
    EXPECT_EQ(pixel(11, 1), Colour(0x30, 0x30, 0x30)) << "dark rim, d = 10.5";
    std::set<Colour> colours;
    for (std::size_t r = 0; r < 24; ++r)
        for (std::size_t c = 0; c < 24; ++c)
            colours.insert(pixel(r, c));
    EXPECT_EQ(colours.size(), 4u);
}

TEST(GPIIconTest, DefaultIconIsBuiltOnceUnderConcurrentFirstUse) {
    std::vector<const GPIIcon*> seen(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = &GPIIcon::defaultIcon(); });
    for (std::thread& thread : threads)
        thread.join();
    for (const GPIIcon* icon : seen)
        EXPECT_EQ(icon, seen[0]);
}

TEST(GPIIconTest, MemberwiseConstructionChecksItsInvariant) {
    EXPECT_NO_THROW(GPIIcon(1, 1, {1, 2, 3}, false));
    EXPECT_THROW(GPIIcon(1, 1, {1, 2}, false), std::invalid_argument);
    EXPECT_THROW(GPIIcon(25, 1, ByteVector(75), false), std::invalid_argument);
    EXPECT_THROW(GPIIcon(0, 0, {}, false), std::invalid_argument);
}
