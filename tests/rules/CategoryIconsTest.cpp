#include "rules/CategoryIcons.h"

#include "support/ImageFiles.h"

#include <gtest/gtest.h>

using namespace marklode;
using namespace marklode::test;

TEST(CategoryIconsTest, DecodesUsableImagesAndLeavesTheRestToTheFileIcon) {
    ByteVector red = makePNG(1, 1, PNG_FORMAT_RGB, {255, 0, 0});
    ByteVector green = makeJPEG(8, 8, samplesOf(8, 8, [](int, int) {
                                    return ByteVector{0, 255, 0};
                                }));
    ByteVector blue = makePNG(1, 1, PNG_FORMAT_RGB, {0, 0, 255});
    ByteVector cutShort(green.begin(), green.begin() + 40);
    std::vector<CategoryImage> images{
        {"Fuel", red},    {"Parks", cutShort}, {"Food", asBytes("<svg/>")},
        {"Parks", green}, {"Fuel", blue},      {"Camps", {}},
    };
    std::vector<CategoryIcon> icons = categoryIcons(images);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0], (CategoryIcon{"Fuel", GPIIcon::fromImage(red)})) << "first image wins";
    EXPECT_EQ(icons[1].category, "Parks") << "a later usable image stands in for a broken one";
    EXPECT_EQ(icons[1].icon, GPIIcon::fromImage(green));
}
