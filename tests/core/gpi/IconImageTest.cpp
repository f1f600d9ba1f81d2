#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIIconError.h"
#include "support/ImageFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

namespace {

// The icon's pixels as blue, green, red triples, for comparing with expected ones.
ByteVector pixel(const GPIIcon& icon, int row, int column) {
    auto at = static_cast<std::size_t>(3 * (row * icon.width() + column));
    return ByteVector(icon.pixelsBGR().begin() + static_cast<std::ptrdiff_t>(at),
                      icon.pixelsBGR().begin() + static_cast<std::ptrdiff_t>(at + 3));
}

std::optional<GPIIconError> errorOf(const ByteVector& bytes) {
    try {
        GPIIcon::fromImage(bytes);
    } catch (const GPIIconError& error) {
        return error;
    }
    return std::nullopt;
}

std::uint32_t crc32(const ByteVector& bytes, std::size_t from, std::size_t to) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < to; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendChunk(ByteVector& png, std::string_view type, const ByteVector& data) {
    std::size_t start = png.size();
    for (int k = 3; k >= 0; --k)
        png.push_back(static_cast<std::uint8_t>(data.size() >> (8 * k)));
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    std::uint32_t crc = crc32(png, start + 4, png.size());
    for (int k = 3; k >= 0; --k)
        png.push_back(static_cast<std::uint8_t>(crc >> (8 * k)));
}

// A PNG that only declares its size: a valid header and the start of image data.
ByteVector pngDeclaring(std::uint32_t width, std::uint32_t height) {
    ByteVector png = hexBytes("89 50 4e 47 0d 0a 1a 0a");
    ByteVector header = hexBytes("00000000 00000000 08 02 00 00 00");
    for (int k = 0; k < 4; ++k) {
        header[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(width >> (24 - 8 * k));
        header[static_cast<std::size_t>(4 + k)] = static_cast<std::uint8_t>(height >> (24 - 8 * k));
    }
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", hexBytes("78 9c 01 02 03"));
    return png;
}

ByteVector jpegDeclaring(std::uint16_t width, std::uint16_t height) {
    ByteVector jpeg = makeJPEG(8, 8, ByteVector(8 * 8 * 3, 90));
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            return jpeg;
        }
    throw std::logic_error("no baseline frame header");
}

ByteVector cut(ByteVector bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

} // namespace

TEST(IconImageTest, PNGLayoutsArriveAsColourOnWhite) {
    const struct {
        const char* label;
        ByteVector png;
        ByteVector expected; // blue, green, red of each pixel, left to right
    } cases[] = {
        {"RGBA: half-transparent red, opaque blue",
         makePNG(2, 1, PNG_FORMAT_RGBA, {255, 0, 0, 128, 0, 0, 255, 255}),
         {127, 127, 255, 255, 0, 0}},
        {"palette with a transparent entry",
         makePNG(3, 1, PNG_FORMAT_RGBA_COLORMAP, {1, 0, 1}, {0, 0, 0, 0, 0, 200, 40, 255}),
         {40, 200, 0, 255, 255, 255, 40, 200, 0}},
        {"grey", makePNG(2, 1, PNG_FORMAT_GRAY, {0, 200}), {0, 0, 0, 200, 200, 200}},
        {"grey with alpha: black at 20%", makePNG(1, 1, PNG_FORMAT_GA, {0, 51}), {204, 204, 204}},
    };
    for (const auto& c : cases) {
        GPIIcon icon = GPIIcon::fromImage(c.png);
        EXPECT_EQ(icon.height(), 1) << c.label;
        EXPECT_EQ(icon.pixelsBGR(), c.expected) << c.label;
        EXPECT_FALSE(icon.usesPalette()) << c.label;
    }
}

TEST(IconImageTest, LargePicturesAreAveragedDownKeepingTheirShape) {
    auto rgb = [](std::uint8_t r, std::uint8_t g, std::uint8_t b) { return ByteVector{r, g, b}; };
    auto checkerboard = samplesOf(
        48, 24, [&](int r, int c) { return (r + c) % 2 ? rgb(255, 255, 255) : rgb(0, 0, 0); });
    // 30 -> 24 columns: icon column 0 covers picture columns 0 and a quarter of 1.
    auto leftLine =
        samplesOf(30, 10, [&](int, int c) { return c == 0 ? rgb(0, 0, 0) : rgb(255, 255, 255); });
    // Averaged after laying each pixel on white: transparent red counts as white.
    ByteVector stripes;
    for (int c = 0; c < 48; ++c)
        stripes.insert(stripes.end(), {static_cast<std::uint8_t>(c % 2 ? 0 : 255), 0, 0,
                                       static_cast<std::uint8_t>(c % 2 ? 255 : 0)});
    auto pattern = samplesOf(16, 16, [&](int r, int c) {
        return rgb(static_cast<std::uint8_t>(16 * r), static_cast<std::uint8_t>(15 * c), 77);
    });
    const struct {
        const char* label;
        ByteVector png;
        int width, height;
        int row, column;
        ByteVector expected;
    } cases[] = {
        {"48x24 checkerboard",
         makePNG(48, 24, PNG_FORMAT_RGB, checkerboard),
         24,
         12,
         5,
         7,
         {128, 128, 128}},
        {"a line a quarter of a cell wide fades",
         makePNG(30, 10, PNG_FORMAT_RGB, leftLine),
         24,
         8,
         3,
         0,
         {51, 51, 51}},
        {"premultiplied average",
         makePNG(48, 1, PNG_FORMAT_RGBA, stripes),
         24,
         1,
         0,
         9,
         {128, 128, 128}},
        {"tall and thin",
         makePNG(7, 100, PNG_FORMAT_GRAY, ByteVector(700, 9)),
         2,
         24,
         23,
         1,
         {9, 9, 9}},
        {"never less than a pixel",
         makePNG(1000, 1, PNG_FORMAT_GRAY, ByteVector(1000, 3)),
         24,
         1,
         0,
         23,
         {3, 3, 3}},
        {"16x16 kept pixel for pixel",
         makePNG(16, 16, PNG_FORMAT_RGB, pattern),
         16,
         16,
         9,
         13,
         {77, 195, 144}},
    };
    for (const auto& c : cases) {
        GPIIcon icon = GPIIcon::fromImage(c.png);
        EXPECT_EQ(icon.width(), c.width) << c.label;
        EXPECT_EQ(icon.height(), c.height) << c.label;
        EXPECT_EQ(pixel(icon, c.row, c.column), c.expected) << c.label;
    }
}

TEST(IconImageTest, JPEGsDecodeCloseToTheirColours) {
    // Left half orange, right half blue; large enough for the decoder to scale it first.
    auto halves = [](int width, int height) {
        return samplesOf(width, height, [width](int, int c) {
            return c < width / 2 ? ByteVector{250, 140, 20} : ByteVector{10, 40, 200};
        });
    };
    const ByteVector orange{20, 140, 250}, blue{200, 40, 10};
    const struct {
        const char* label;
        ByteVector jpeg;
        int width, height;
        int row, column;
        ByteVector expected;
    } cases[] = {
        {"small, kept", makeJPEG(16, 8, halves(16, 8)), 16, 8, 4, 2, orange},
        {"large, scaled", makeJPEG(960, 480, halves(960, 480)), 24, 12, 6, 11, orange},
        {"large, right half", makeJPEG(960, 480, halves(960, 480)), 24, 12, 6, 12, blue},
        {"grey", makeJPEG(8, 8, ByteVector(64, 100), TJPF_GRAY), 8, 8, 3, 3, {100, 100, 100}},
    };
    for (const auto& c : cases) {
        GPIIcon icon = GPIIcon::fromImage(c.jpeg);
        EXPECT_EQ(icon.width(), c.width) << c.label;
        EXPECT_EQ(icon.height(), c.height) << c.label;
        ByteVector got = pixel(icon, c.row, c.column);
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(got[k], c.expected[k], 6) << c.label << ", channel " << k;
    }
}

TEST(IconImageTest, CMYKJPEGFromAnImageEditorIsRead) {
    // Made by an image editor: 8x8 pure yellow, stored as inverted CMYK.
    std::string path = std::string(MARKLODE_TEST_DATA) + "/icons/yellow-cmyk.jpg";
    GPIIcon icon = GPIIcon::contentsOf(path);
    ByteVector got = pixel(icon, 4, 4);
    EXPECT_LE(got[0], 10);
    EXPECT_GE(got[1], 245);
    EXPECT_GE(got[2], 245);
}

TEST(IconImageTest, TheContentDecidesTheFormatNotTheName) {
    TempDir dir;
    ByteVector png = makePNG(2, 1, PNG_FORMAT_RGB, {1, 2, 3, 4, 5, 6});
    ByteVector bmp = makeBMP({.width = 2, .height = 1}, patternColour);
    auto write = [&](std::string_view name, const ByteVector& bytes) {
        return dir.write(name, std::string(bytes.begin(), bytes.end()));
    };
    EXPECT_EQ(GPIIcon::contentsOf(write("icon.bmp", png)), GPIIcon::fromImage(png));
    EXPECT_EQ(GPIIcon::contentsOf(write("icon.png", bmp)), GPIIcon::fromBMP(bmp));
    EXPECT_EQ(GPIIcon::fromImage(png).pixelsBGR(), (ByteVector{3, 2, 1, 6, 5, 4}));
}

TEST(IconImageTest, RefusesWithTheKindOfProblem) {
    ByteVector png = makePNG(4, 4, PNG_FORMAT_RGB, ByteVector(48, 7));
    ByteVector jpeg = makeJPEG(16, 16, ByteVector(16 * 16 * 3, 60));
    const struct {
        const char* label;
        ByteVector bytes;
        GPIIconError expected;
        const char* description;
    } cases[] = {
        {"text", asBytes("name,lat,lon\n"), GPIIconError::notAnImage(),
         "The icon is not a PNG, JPEG or BMP file."},
        {"two bytes of BMP", asBytes("BM"), GPIIconError::notABMP(), "The icon is not a BMP file."},
        {"PNG cut in its image data", cut(png, png.size() - 20),
         GPIIconError::damaged(ImageFormat::png), "The PNG file is damaged or incomplete."},
        {"PNG declaring 100000x100000", pngDeclaring(100000, 100000),
         GPIIconError::tooLarge(100000, 100000),
         "The image must be at most 4096x4096 pixels; this one is 100000x100000."},
        {"PNG one pixel too wide", pngDeclaring(4097, 1), GPIIconError::tooLarge(4097, 1),
         "The image must be at most 4096x4096 pixels; this one is 4097x1."},
        {"JPEG cut short", cut(jpeg, jpeg.size() / 2), GPIIconError::damaged(ImageFormat::jpeg),
         "The JPEG file is damaged or incomplete."},
        {"JPEG declaring 60000x50", jpegDeclaring(60000, 50), GPIIconError::tooLarge(60000, 50),
         "The image must be at most 4096x4096 pixels; this one is 60000x50."},
    };
    for (const auto& c : cases) {
        auto error = errorOf(c.bytes);
        ASSERT_TRUE(error.has_value()) << c.label;
        EXPECT_EQ(*error, c.expected) << c.label;
        EXPECT_EQ(error->description(), c.description) << c.label;
    }
    GPIIcon widest = GPIIcon::fromImage(makePNG(4096, 1, PNG_FORMAT_GRAY, ByteVector(4096, 1)));
    EXPECT_EQ(widest.width(), 24) << "4096 pixels a side is still read";
}
