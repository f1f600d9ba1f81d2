#include "core/import/POIStore.h"

#include "core/import/ImportIssue.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace marklode;

namespace {

POI withDetails(POI poi, std::string category, std::string phone = "") {
    poi.setDetails(POIDetails{std::move(category), Address{}, std::move(phone)});
    return poi;
}

// Every way a POI's optional parts can be set, so that the records' indices get exercised.
std::vector<POI> assorted(double offset) {
    return {
        POI{offset, 1, "Plain", std::nullopt, std::nullopt, std::nullopt},
        POI{offset + 1, -2, "Empty comment", "", std::nullopt, std::nullopt},
        POI{offset + 2, 3, "", "Nameless, with comment", 50.0, std::nullopt},
        withDetails(POI{offset + 3, 4, "Café", "Crème", std::nullopt, 100.0}, "Cafés"),
        withDetails(POI{offset + 4, 5, "Also a café", std::nullopt, 30.0, 0.0}, "Cafés"),
        withDetails(POI{offset + 5, 6, "Shop", std::nullopt, std::nullopt, std::nullopt}, "Shops",
                    "+41 31 000 00 00"),
        withDetails(POI{offset + 6, 7, "Café again", std::nullopt, std::nullopt, std::nullopt},
                    "Cafés"),
    };
}

} // namespace

TEST(POIStoreTest, HoldsEveryPartAndAppendsInOrder) {
    std::vector<POI> first = assorted(0), second = assorted(10);
    POIStore store(first);
    EXPECT_EQ(store, first);
    EXPECT_EQ(store[3].category(), "Cafés");
    EXPECT_FALSE(store[1].details);

    POIStore later(second);
    later.setProximity(0, 25.0); // a POI without alerts gains them
    later.setProximity(2, 5.0);  // a speed stays
    later.setProximity(4, std::nullopt);
    second[0].proximityMeters = 25.0;
    second[2].proximityMeters = 5.0;
    second[4].proximityMeters.reset();

    store.append(later);
    std::vector<POI> both = first;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(store, both);
    for (std::size_t i = 0; i < both.size(); ++i)
        EXPECT_EQ(POI(store[i]), both[i]) << i;
    EXPECT_THROW((void)store.at(both.size()), std::out_of_range);
}

TEST(POIStoreTest, AppendsSeveralStoresAtOnce) {
    std::vector<POI> all = assorted(0);
    POIStore store(all);
    std::vector<POIStore> later;
    for (double offset : {10, 20, 30}) {
        const std::vector<POI> more = offset == 20 ? std::vector<POI>{} : assorted(offset);
        all.insert(all.end(), more.begin(), more.end());
        later.emplace_back(more);
    }
    const POIStore* const stores[] = {&later[0], &later[1], &later[2]};
    store.append(stores);
    ASSERT_EQ(store.size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(POI(store[i]), all[i]) << i;
    EXPECT_EQ(store.capacity(), store.size()); // room made once, for exactly these
}

TEST(POIStoreTest, AppendedImportsTellTheLaterPartsIssuesByTheirFileLines) {
    ImportResult into{POIStore(assorted(0)), {{2, "Missing name."}}};
    ImportResult later{POIStore(assorted(10)), {{1, "Invalid latitude \"x\"."}}};
    appendImport(into, std::move(later), 40);
    EXPECT_EQ(into.pois.size(), 14u);
    EXPECT_EQ(into.issues,
              (std::vector<ImportIssue>{{2, "Missing name."}, {41, "Invalid latitude \"x\"."}}));
}
