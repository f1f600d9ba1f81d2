#include "rules/ImportedContents.h"

#include "rules/CategoryIcons.h"

#include <utility>

namespace marklode {

ImportedContents importedContents(ImportResult result) {
    ImportedContents imported;
    imported.pois = std::move(result.pois);
    // Importers reserve ahead of what they find; the room left over would be held as long as
    // the file is shown.
    imported.pois.shrinkToFit();
    imported.search = SearchIndex(imported.pois);
    imported.issues = std::move(result.issues);
    imported.categoryIcons = categoryIcons(result.categoryImages);
    return imported;
}

} // namespace marklode
