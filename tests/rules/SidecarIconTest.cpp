#include "rules/SidecarIcon.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(SidecarIconTest, MatchesBaseNameInAnyCase) {
    marklode::test::TempDir dir;
    dir.write("Stops.csv", "");
    dir.write("other.bmp", "");
    dir.write("stops.txt", "");
    EXPECT_FALSE(findSidecarIcon(dir / "Stops.csv").has_value());
    dir.write("stops.BMP", "");
    EXPECT_EQ(findSidecarIcon(dir / "Stops.csv"), dir / "stops.BMP");
    EXPECT_FALSE(findSidecarIcon(dir / "missing-folder/Stops.csv").has_value());
    dir.write("Stops.final.csv", "");
    dir.write("stops.final.bmp", "");
    EXPECT_EQ(findSidecarIcon(dir / "Stops.final.csv"), dir / "stops.final.bmp");
}

TEST(SidecarIconTest, PrefersBMPThenPNGThenJPEGWhateverTheListingOrder) {
    const struct {
        std::vector<const char*> listing;
        const char* expected;
    } cases[] = {
        {{"stops.jpeg", "Stops.PNG", "stops.bmp"}, "stops.bmp"},
        {{"STOPS.BMP", "stops.png"}, "STOPS.BMP"},
        {{"stops.JPG", "stops.png", "stops.gif"}, "stops.png"},
        {{"stops.jpeg", "stops.jpg"}, "stops.jpeg"},
        {{"stops.gif", "stops.svg", "stops.csv.png"}, nullptr},
    };
    for (const auto& c : cases) {
        SidecarIcons icons;
        for (const char* entry : c.listing)
            icons.note(std::filesystem::path("/in") / entry);
        auto found = icons.of("/in/Stops.csv");
        if (c.expected)
            EXPECT_EQ(found, std::filesystem::path("/in") / c.expected) << c.expected;
        else
            EXPECT_FALSE(found.has_value()) << c.listing.size();
    }
}
