#include "rules/TextSearch.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace marklode {
namespace {

POI named(std::string name, std::optional<std::string> comment = std::nullopt) {
    return POI{47, 8, std::move(name), std::move(comment), std::nullopt, std::nullopt};
}

POI withDetails(std::string name, POIDetails details) {
    POI poi = named(std::move(name));
    poi.setDetails(std::move(details));
    return poi;
}

// The index answers as the folded keys of all POIs would: ASCII texts matched in place, letter
// case aside, and only the others folded.
TEST(TextSearchTest, IndexFindsWhatTheFoldedKeysHold) {
    const POIDetails kiosk{"Kiosks", {"Hauptstrasse 1"}, "+41 44"};
    const POIStore pois{
        named("Cafe Nord", "open LATE"),
        named("CAF\xC3\x89 Zentral"),
        named("B\xC3\xA4"
              "ckerei",
              "Cafe inside"),
        withDetails("Bar", POIDetails{"Bakery", {"", "Z\xC3\xBCrich"}}),
        withDetails("Kiosk", kiosk),
        withDetails("Shop", kiosk),
        named("\xE2\x84\xAA"
              "M 5"), // the Kelvin sign folds to "k"
        named("x[y@z", ""),
        named("", ""),
        named("Gate", "Line"),
        named("ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789", "Lorem ipsum dolor sit amet"),
    };
    const SearchIndex index(pois);
    EXPECT_EQ(index.foldedCount(), 4u) << "only the POIs with a text beyond ASCII";
    const std::string straddling("gate\0line", 9);
    const std::string typed[] = {"CAFE",
                                 "caf\xC3\xA9",
                                 "Late",
                                 "km",
                                 "K",
                                 "{",
                                 "[",
                                 "`",
                                 "@z",
                                 "HAUPTSTRASSE",
                                 "kiosks",
                                 "+41",
                                 "Z\xC3\xBC",
                                 "rich",
                                 "x[y@z!",
                                 straddling,
                                 std::string("e\0l", 3),
                                 "456789",
                                 "z-0",
                                 "AMET",
                                 "sit amex",
                                 "hijklmnopq",
                                 "9",
                                 "ab",
                                 "eli"};
    for (const std::string& text : typed) {
        std::string needle = *searchNeedle(text);
        std::vector<std::size_t> expected;
        for (std::size_t i = 0; i < pois.size(); ++i)
            if (keyMatches(searchKey(pois[i]), needle))
                expected.push_back(i);
        EXPECT_EQ(index.matches(pois, needle), expected) << text;
    }
    EXPECT_EQ(index.matches(pois, *searchNeedle("cafe")), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(index.matches(pois, *searchNeedle("KM")), (std::vector<std::size_t>{6}));
    EXPECT_EQ(index.matches(pois, *searchNeedle("kiosks")), (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(index.matches(pois, straddling), (std::vector<std::size_t>{9}));
    EXPECT_TRUE(index.matches(pois, "eli").empty()) << "not across a name and its comment";
    EXPECT_TRUE(index.matches(pois, "{").empty()) << "'[' is no letter to fold";
}

} // namespace
} // namespace marklode
