#include "cli/CliRunner.h"
#include "support/ImageFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using marklode::test::runCli;
using marklode::test::TempDir;
using nlohmann::json;

TEST(IconCommandTest, PrintsPixelsOrTheIconErrorDescription) {
    TempDir dir;
    // A 2x1 bottom-up 24-bit BMP: blue, then red; rows padded to 8 bytes.
    auto header = [](std::int32_t width, std::int32_t height) {
        std::string bytes(54, '\0');
        auto put = [&](std::size_t at, std::uint32_t value, int size) {
            for (int i = 0; i < size; ++i)
                bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
        };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, static_cast<std::uint32_t>(width), 4);
        put(22, static_cast<std::uint32_t>(height), 4);
        put(26, 1, 2);
        put(28, 24, 2);
        return bytes;
    };
    auto bmp = dir.write("two.bmp", header(2, 1) + std::string("\xff\0\0\0\0\xff\0\0", 8));
    auto run = runCli({"icon", bmp.string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out),
              (json{{"width", 2}, {"height", 1}, {"pixelsBGR", "ff00000000ff"}}));

    auto large = dir.write("large.bmp", header(32, 32));
    auto refused = runCli({"icon", large.string(), "--json"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(json::parse(refused.out),
              (json{{"error", "The icon must be at most 24x24 pixels; this one is 32x32."}}));
    auto human = runCli({"icon", large.string()});
    EXPECT_EQ(human.err,
              "The icon can't be used. The icon must be at most 24x24 pixels; this one is 32x32. "
              "Use a 24-bit BMP of at most 24×24 pixels.\n");
}

TEST(IconCommandTest, ReadsPNGsAndWordsTheirErrorsWithoutBMPAdvice) {
    TempDir dir;
    auto png = marklode::test::makePNG(48, 2, PNG_FORMAT_GRAY, std::vector<std::uint8_t>(96, 200));
    auto wide = dir.write("wide.png", std::string(png.begin(), png.end()));
    std::string pixels;
    for (int i = 0; i < 24 * 3; ++i)
        pixels += "c8";
    auto run = runCli({"icon", wide.string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out), (json{{"width", 24}, {"height", 1}, {"pixelsBGR", pixels}}));

    auto cut = dir.write("cut.bmp", std::string(png.begin(), png.end() - 20));
    auto refused = runCli({"icon", cut.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "The icon can't be used. The PNG file is damaged or incomplete. Save it "
                           "again from an image editor, or use another image.\n");
}
