#include "rules/FileExport.h"

#include "rules/MarklodeWriters.h"

#include <utility>

namespace marklode {

namespace {

// The split's categories, named and with their icons, each holding room for its POIs.
std::vector<GPICategory> emptyCategories(const CategorySplit& split, CategoryMode mode,
                                         const std::vector<CategoryIcon>& sourceIcons,
                                         const std::optional<GPIIcon>& fileIcon) {
    std::vector<GPICategory> categories;
    categories.reserve(split.categories.size());
    for (const CategoryCount& count : split.categories) {
        GPICategory& category = categories.emplace_back();
        category.name = count.name;
        category.icon = mode == CategoryMode::oneForFile
                            ? fileIcon
                            : categoryIcon(count.name, sourceIcons, fileIcon);
        category.pois.reserve(count.poiCount);
    }
    return categories;
}

} // namespace

POIStore FileExport::effectivePOIs() const {
    POIStore pois = contents->pois;
    applyProximityRule(pois, proximity);
    return pois;
}

std::vector<CategoryCount> FileExport::categoryCounts() const {
    return categorySplit(contents->pois, categoryName, categoryMode).categories;
}

std::vector<GPICategory> FileExport::categories() const {
    checkFixedProximity(proximity);
    const POIStore& pois = contents->pois;
    CategorySplit split = categorySplit(pois, categoryName, categoryMode);
    std::vector<GPICategory> categories =
        emptyCategories(split, categoryMode, contents->categoryIcons, icon);
    for (std::size_t i = 0; i < pois.size(); ++i)
        categories[split.categoryOf(i)].pois.push_back(effectivePOI(pois[i], proximity));
    return categories;
}

Bytes FileExport::gpiData() const {
    checkFixedProximity(proximity);
    if (categoryMode == CategoryMode::oneForFile)
        return ownFileWriter(categoryName, icon).dataFor(effectivePOIs());
    return ownFileWriter(categoryName, icon).data(categories());
}

std::vector<GPICategory> exportedCategories(std::string categoryName, std::optional<GPIIcon> icon,
                                            const ProximitySettings& proximity, POIStore pois,
                                            CategoryMode mode,
                                            const std::vector<CategoryIcon>& sourceIcons) {
    checkFixedProximity(proximity);
    applyProximityRule(pois, proximity);
    CategorySplit split = categorySplit(pois, categoryName, mode);
    std::vector<GPICategory> categories;
    // One category takes the whole vector; only a real split moves POIs one by one.
    if (split.categories.size() == 1) {
        GPICategory& only = categories.emplace_back();
        only.name = std::move(split.categories.front().name);
        only.icon = mode == CategoryMode::oneForFile ? std::move(icon)
                                                     : categoryIcon(only.name, sourceIcons, icon);
        only.pois = std::move(pois);
        return categories;
    }
    categories = emptyCategories(split, mode, sourceIcons, icon);
    for (std::size_t i = 0; i < pois.size(); ++i)
        categories[split.categoryOf(i)].pois.push_back(pois[i]);
    return categories;
}

Bytes deviceFileData(const std::vector<FileExport>& files) {
    std::vector<GPICategory> categories;
    categories.reserve(files.size());
    for (const FileExport& file : files)
        for (GPICategory& category : file.categories())
            categories.push_back(std::move(category));
    return deviceFileWriter().data(categories);
}

} // namespace marklode
