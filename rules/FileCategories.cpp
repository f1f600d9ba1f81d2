#include "rules/FileCategories.h"

#include "core/text/TextClasses.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace marklode {

namespace {

// Keys are views into the POIs' categories and the file's name, which outlive the splitter.
class CategorySplitter {
  public:
    CategorySplitter(const std::string& fileCategoryName, std::size_t poiCount)
        : fileName_(fileCategoryName), fileKey_(trimWhitespaceAndNewlines(fileCategoryName)),
          poiCount_(poiCount) {}

    void add(const POIView& poi) {
        std::string_view key = trimWhitespaceAndNewlines(poi.category());
        if (key.empty())
            key = fileKey_;
        // Sources tend to list a category's POIs together, so most POIs skip the lookup.
        if (!hasLast_ || key != lastKey_) {
            auto [entry, added] =
                indices_.try_emplace(key, static_cast<std::uint32_t>(split_.categories.size()));
            if (added) {
                split_.categories.push_back({std::string(key == fileKey_ ? fileName_ : key), 0});
                // Until a second category appears, every POI so far is in the first.
                if (split_.categories.size() == 2) {
                    split_.categoryOfPOI.reserve(poiCount_);
                    split_.categoryOfPOI.assign(added_, 0);
                }
            }
            lastKey_ = key;
            lastIndex_ = entry->second;
            hasLast_ = true;
        }
        ++split_.categories[lastIndex_].poiCount;
        if (split_.categories.size() > 1)
            split_.categoryOfPOI.push_back(lastIndex_);
        ++added_;
    }

    CategorySplit finish() && {
        if (split_.categories.empty())
            split_.categories.push_back({fileName_, 0});
        return std::move(split_);
    }

  private:
    const std::string& fileName_;
    std::string_view fileKey_;
    std::size_t poiCount_;
    std::size_t added_ = 0;
    std::unordered_map<std::string_view, std::uint32_t> indices_;
    bool hasLast_ = false;
    std::string_view lastKey_;
    std::uint32_t lastIndex_ = 0;
    CategorySplit split_;
};

CategorySplit oneCategory(const std::string& fileCategoryName, std::size_t poiCount) {
    return CategorySplit{{{fileCategoryName, poiCount}}, {}};
}

template <typename Items, typename POIOf>
CategorySplit splitOf(const Items& items, const std::string& fileCategoryName, CategoryMode mode,
                      POIOf poiOf) {
    if (mode == CategoryMode::oneForFile)
        return oneCategory(fileCategoryName, items.size());
    CategorySplitter splitter(fileCategoryName, items.size());
    for (const auto& item : items)
        splitter.add(poiOf(item));
    return std::move(splitter).finish();
}

} // namespace

CategorySplit categorySplit(const POIStore& pois, const std::string& fileCategoryName,
                            CategoryMode mode) {
    return splitOf(pois, fileCategoryName, mode, [](POIView poi) { return poi; });
}

std::optional<GPIIcon> categoryIcon(std::string_view categoryName,
                                    const std::vector<CategoryIcon>& sourceIcons,
                                    const std::optional<GPIIcon>& fileIcon) {
    std::string_view key = trimWhitespaceAndNewlines(categoryName);
    auto found =
        std::find_if(sourceIcons.begin(), sourceIcons.end(), [&](const CategoryIcon& icon) {
            return trimWhitespaceAndNewlines(icon.category) == key;
        });
    return found != sourceIcons.end() ? std::optional<GPIIcon>(found->icon) : fileIcon;
}

std::vector<CategoryCount> exportedCategoryCounts(const std::vector<CategoryCount>& given,
                                                  CategoryMode mode,
                                                  const std::string& fileCategory) {
    std::vector<CategoryCount> exported;
    if (mode == CategoryMode::oneForFile) {
        std::size_t total = 0;
        for (const CategoryCount& category : given)
            total += category.poiCount;
        if (total > 0)
            exported.push_back({fileCategory, total});
        return exported;
    }
    // The category names are distinct already; only the file's own can arrive twice. POI
    // categories come trimmed, the name the user typed may not.
    std::string_view ownName = trimWhitespaceAndNewlines(fileCategory);
    std::optional<std::size_t> own;
    for (const CategoryCount& category : given) {
        bool isOwn = category.name.empty() || category.name == ownName;
        if (!isOwn) {
            exported.push_back(category);
        } else if (own) {
            exported[*own].poiCount += category.poiCount;
        } else {
            own = exported.size();
            exported.push_back({fileCategory, category.poiCount});
        }
    }
    return exported;
}

} // namespace marklode
