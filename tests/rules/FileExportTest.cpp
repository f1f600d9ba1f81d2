#include "rules/FileExport.h"

#include <gtest/gtest.h>
#include <memory>

using namespace marklode;

// The application builds a file's category from the contents it keeps; the CLI from an import
// it moves. Both must write the same.
TEST(FileExportTest, AnImportMovedIntoItsCategoryMatchesTheKeptFile) {
    const ImportResult imported{
        {{46.5, 8.5, "Pass", "long enough to live on the heap", 50.0, 250.0},
         {47.0, 9.0, "Gate", std::nullopt, std::nullopt, std::nullopt}},
        {}};
    const ProximitySettings cases[] = {
        {ProximityMode::off, 300, DistanceUnit::meters},
        {ProximityMode::fromFile, 300, DistanceUnit::meters},
        {ProximityMode::fixed, 1000, DistanceUnit::feet},
    };
    for (const ProximitySettings& proximity : cases) {
        FileExport kept{"Stops", std::nullopt, proximity,
                        std::make_shared<const ImportedContents>(importedContents(imported))};
        EXPECT_EQ(exportedCategory("Stops", std::nullopt, proximity, imported.pois),
                  kept.category());
    }

    const ProximitySettings tooFar{ProximityMode::fixed, 65536, DistanceUnit::meters};
    EXPECT_THROW(exportedCategory("Stops", std::nullopt, tooFar, imported.pois),
                 FixedProximityError);
}
