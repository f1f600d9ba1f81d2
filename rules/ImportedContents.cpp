#include "rules/ImportedContents.h"

#include "rules/CategoryIcons.h"
#include "rules/TextSearch.h"

#include <utility>

namespace marklode {

ImportedContents importedContents(ImportResult result) {
    ImportedContents imported;
    imported.rows.reserve(result.pois.size());
    imported.searchKeys.reserve(result.pois.size());
    std::int64_t position = 0;
    for (POIView view : result.pois) {
        POI poi = view.toPOI();
        imported.searchKeys.push_back(searchKey(poi));
        imported.rows.push_back(POIRow{position++, std::move(poi)});
    }
    imported.issues = std::move(result.issues);
    imported.categoryIcons = categoryIcons(result.categoryImages);
    return imported;
}

} // namespace marklode
