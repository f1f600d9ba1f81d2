#include "rules/FileExport.h"

#include "core/gpi/GPIReader.h"

#include <gtest/gtest.h>
#include <memory>
#include <variant>

using namespace marklode;

namespace {

POI poiIn(std::string category, std::string name, std::optional<double> proximity = {}) {
    POI poi{46.5, 8.5, std::move(name), "long enough to live on the heap", 50.0, proximity};
    poi.setDetails(POIDetails{std::move(category)});
    return poi;
}

FileExport exportOf(std::string name, std::vector<POI> pois, CategoryMode mode,
                    std::vector<CategoryIcon> icons = {}) {
    ImportedContents contents = importedContents(ImportResult{std::move(pois), {}});
    contents.categoryIcons = std::move(icons);
    return FileExport{std::move(name),
                      std::nullopt,
                      {ProximityMode::fromFile, 300, DistanceUnit::meters},
                      std::make_shared<const ImportedContents>(std::move(contents)),
                      mode};
}

} // namespace

// The application builds a file's categories from the contents it keeps; the CLI from an import
// it moves. Both must write the same.
TEST(FileExportTest, AnImportMovedIntoItsCategoriesMatchesTheKeptFile) {
    const GPIIcon fileIcon(1, 1, {0, 255, 0}, false), foodIcon(1, 1, {0, 0, 255}, false);
    const std::vector<CategoryIcon> sourceIcons{{"Food", foodIcon}};
    const std::vector<POI> pois{poiIn("Food", "Inn", 250.0), poiIn("", "Gate"),
                                poiIn("Fuel", "Pump", 40.0), poiIn("Food", "Deli")};
    const ProximitySettings proximities[] = {
        {ProximityMode::off, 300, DistanceUnit::meters},
        {ProximityMode::fromFile, 300, DistanceUnit::meters},
        {ProximityMode::fixed, 1000, DistanceUnit::feet},
    };
    for (CategoryMode mode : {CategoryMode::oneForFile, CategoryMode::fromFile}) {
        for (const ProximitySettings& proximity : proximities) {
            ImportedContents contents = importedContents(ImportResult{pois, {}});
            contents.categoryIcons = sourceIcons;
            FileExport kept{"Stops", fileIcon, proximity,
                            std::make_shared<const ImportedContents>(std::move(contents)), mode};
            std::vector<GPICategory> categories = kept.categories();
            EXPECT_EQ(exportedCategories("Stops", fileIcon, proximity, pois, mode, sourceIcons),
                      categories);
            EXPECT_EQ(categories.front().pois.front(), effectivePOI(pois.front(), proximity));
        }
    }

    const ProximitySettings tooFar{ProximityMode::fixed, 65536, DistanceUnit::meters};
    EXPECT_THROW(
        exportedCategories("Stops", std::nullopt, tooFar, pois, CategoryMode::fromFile, {}),
        FixedProximityError);
}

TEST(FileExportTest, CategoriesFollowTheModeWithTheirIconsAndCounts) {
    const GPIIcon foodIcon(1, 1, {0, 0, 255}, false), fileIcon(1, 1, {0, 255, 0}, false);
    const std::vector<POI> pois{poiIn("Food", "Inn"), poiIn("", "Gate"), poiIn("Food", "Deli")};

    FileExport split = exportOf("Stops", pois, CategoryMode::fromFile, {{" Food", foodIcon}});
    split.icon = fileIcon;
    std::vector<GPICategory> categories = split.categories();
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[0].name, "Food");
    EXPECT_EQ(categories[0].icon, foodIcon) << "the source's icon, matched after trimming";
    EXPECT_EQ(categories[0].pois[1].name, "Deli");
    EXPECT_EQ(categories[1].name, "Stops");
    EXPECT_EQ(categories[1].icon, fileIcon);
    EXPECT_EQ(split.categoryCounts(), (std::vector<CategoryCount>{{"Food", 2}, {"Stops", 1}}));

    // One for the file ignores the POIs' categories and the source's icons: the file is written
    // as it was before categories were read.
    FileExport whole = exportOf("Stops", pois, CategoryMode::oneForFile, {{"Stops", foodIcon}});
    EXPECT_EQ(whole.categories(),
              (std::vector<GPICategory>{{"Stops", whole.effectivePOIs(), whole.icon}}));
    EXPECT_EQ(GPIReader::read(whole.gpiData()).categories,
              (std::vector<GPIContents::Category>{{"Stops", 3}}));
    EXPECT_EQ(GPIReader::read(split.gpiData()).categories,
              (std::vector<GPIContents::Category>{{"Food", 2}, {"Stops", 1}}));
}

TEST(FileExportTest, TheDeviceFileHoldsEachFilesCategoriesInFileOrder) {
    std::vector<FileExport> files{
        exportOf("Trip", {poiIn("", "Gate"), poiIn("Food", "Inn"), poiIn("Trip", "Camp")},
                 CategoryMode::fromFile),
        exportOf("Town", {poiIn("Food", "Deli")}, CategoryMode::oneForFile),
        exportOf("Extra", {poiIn("Food", "Bar")}, CategoryMode::fromFile),
    };
    EXPECT_EQ(
        GPIReader::read(deviceFileData(files)).categories,
        (std::vector<GPIContents::Category>{{"Trip", 2}, {"Food", 1}, {"Town", 1}, {"Food", 1}}));
}

TEST(FileExportTest, MoreCategoriesThanTheFileCanHoldAreRefused) {
    std::vector<POI> pois;
    for (std::size_t i = 0; i <= GPIWriter::maxCategories; ++i)
        pois.push_back(poiIn(std::to_string(i), "P"));
    FileExport file = exportOf("Many", std::move(pois), CategoryMode::fromFile);
    EXPECT_EQ(file.categoryCounts().size(), GPIWriter::maxCategories + 1);
    try {
        (void)file.gpiData();
        FAIL() << "written";
    } catch (const GPIWriterError& error) {
        EXPECT_TRUE(std::holds_alternative<GPIWriterError::TooManyCategories>(error.kind));
    }
}
