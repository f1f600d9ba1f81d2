#include "rules/FileExport.h"

#include "rules/MarklodeWriters.h"

#include <utility>

namespace marklode {

std::vector<POI> FileExport::effectivePOIs() const {
    std::vector<POI> pois;
    pois.reserve(contents->rows.size());
    for (const POIRow& row : contents->rows)
        pois.push_back(effectivePOI(row.poi, proximity));
    return pois;
}

GPICategory FileExport::category() const {
    checkFixedProximity(proximity);
    return GPICategory{categoryName, effectivePOIs(), icon};
}

Bytes FileExport::gpiData() const {
    checkFixedProximity(proximity);
    return ownFileWriter(categoryName, icon).dataFor(effectivePOIs());
}

GPICategory exportedCategory(std::string categoryName, std::optional<GPIIcon> icon,
                             const ProximitySettings& proximity, std::vector<POI> pois) {
    checkFixedProximity(proximity);
    for (POI& poi : pois)
        poi = effectivePOI(std::move(poi), proximity);
    return GPICategory{std::move(categoryName), std::move(pois), std::move(icon)};
}

Bytes deviceFileData(const std::vector<FileExport>& files) {
    std::vector<GPICategory> categories;
    categories.reserve(files.size());
    for (const FileExport& file : files)
        categories.push_back(file.category());
    return deviceFileWriter().data(categories);
}

} // namespace marklode
