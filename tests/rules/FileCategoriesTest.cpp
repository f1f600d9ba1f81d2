#include "rules/FileCategories.h"

#include "core/text/TextClasses.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace marklode;

namespace {

std::vector<POI> poisIn(const std::vector<std::string>& categories) {
    std::vector<POI> pois;
    for (const std::string& category : categories) {
        POI& poi = pois.emplace_back(POI{1, 2, "P" + std::to_string(pois.size()), {}, {}, {}});
        poi.setDetails(POIDetails{category});
    }
    return pois;
}

} // namespace

TEST(FileCategoriesTest, SplitsByFirstAppearanceWithTheFilesOwnWhereItsFirstPOIIs) {
    struct Case {
        const char* what;
        std::string fileName;
        CategoryMode mode;
        std::vector<std::string> poiCategories;
        std::vector<CategoryCount> categories;
        std::vector<std::size_t> categoryOfPOI;
    } cases[] = {
        {"no POIs", "Stops", CategoryMode::fromFile, {}, {{"Stops", 0}}, {}},
        {"no categories", "Stops", CategoryMode::fromFile, {"", ""}, {{"Stops", 2}}, {0, 0}},
        {"own first",
         "Stops",
         CategoryMode::fromFile,
         {"", "A", "", "B", "A"},
         {{"Stops", 2}, {"A", 2}, {"B", 1}},
         {0, 1, 0, 2, 1}},
        {"own between",
         "Stops",
         CategoryMode::fromFile,
         {"A", "", "B"},
         {{"A", 1}, {"Stops", 1}, {"B", 1}},
         {0, 1, 2}},
        {"all categorised", "Stops", CategoryMode::fromFile, {"B", "B"}, {{"B", 2}}, {0, 0}},
        {"trimmed, case kept",
         "Stops",
         CategoryMode::fromFile,
         {"A", " A\n", "a"},
         {{"A", 2}, {"a", 1}},
         {0, 0, 1}},
        {"equal to the file's name",
         " Stops ",
         CategoryMode::fromFile,
         {"X", "Stops", ""},
         {{"X", 1}, {" Stops ", 2}},
         {0, 1, 1}},
        {"one for the file",
         "Stops",
         CategoryMode::oneForFile,
         {"A", "", "B"},
         {{"Stops", 3}},
         {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<POI> pois = poisIn(c.poiCategories);
        CategorySplit split = categorySplit(pois, c.fileName, c.mode);
        EXPECT_EQ(split.categories, c.categories);
        std::vector<std::size_t> categoryOfPOI;
        for (std::size_t i = 0; i < pois.size(); ++i)
            categoryOfPOI.push_back(split.categoryOf(i));
        EXPECT_EQ(categoryOfPOI, c.categoryOfPOI);

        // Counting from the categories the POIs give (as importers give them: trimmed) agrees.
        std::vector<CategoryCount> given;
        for (const std::string& category : c.poiCategories) {
            std::string name(trimWhitespaceAndNewlines(category));
            auto it = std::find_if(given.begin(), given.end(),
                                   [&](const CategoryCount& g) { return g.name == name; });
            if (it == given.end())
                given.push_back({name, 1});
            else
                ++it->poiCount;
        }
        EXPECT_EQ(exportedCategoryCounts(given, c.mode, c.fileName),
                  pois.empty() ? std::vector<CategoryCount>{} : c.categories);
    }
}
