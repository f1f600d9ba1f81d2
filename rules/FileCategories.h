#pragma once

#include "core/gpi/GPIIcon.h"
#include "core/import/POI.h"
#include "core/import/POIStore.h"
#include "rules/CategoryIcon.h"
#include "rules/ExportSettings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

struct CategoryCount {
    std::string name;
    std::size_t poiCount = 0;
    bool operator==(const CategoryCount&) const = default;
};

// Which of a file's categories each of its POIs goes into.
//
// From the file: one category per distinct POI category, compared exactly after trimming, in
// the order the values first appear. POIs without one go into the file's own category, which
// takes its place where its first POI appears; a POI category equal to the file's own name (both
// trimmed) is that same category, and keeps the file's name as given. One for the file: a single
// category holding every POI. There is always at least one category: a file without POIs is its
// own category, empty.
struct CategorySplit {
    std::vector<CategoryCount> categories;
    // Parallel to the POIs; empty when there is only one category.
    std::vector<std::uint32_t> categoryOfPOI;

    std::size_t categoryOf(std::size_t poi) const {
        return categoryOfPOI.empty() ? 0 : categoryOfPOI[poi];
    }
};

CategorySplit categorySplit(const POIStore& pois, const std::string& fileCategoryName,
                            CategoryMode mode);

// The categories an export makes, from those the POIs give (in first-seen order, with their
// counts, the POIs without one under an empty name), as categorySplit orders them; a file
// without POIs makes none. Cheap, for counting without going through the POIs again.
std::vector<CategoryCount> exportedCategoryCounts(const std::vector<CategoryCount>& given,
                                                  CategoryMode mode,
                                                  const std::string& fileCategoryName);

// The icon the source gave the category of this name, else the file's.
std::optional<GPIIcon> categoryIcon(std::string_view categoryName,
                                    const std::vector<CategoryIcon>& sourceIcons,
                                    const std::optional<GPIIcon>& fileIcon);

} // namespace marklode
