#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/POIStore.h"
#include "rules/CategoryIcon.h"
#include "rules/TextSearch.h"

#include <vector>

namespace marklode {

// What one import of a file produced. Never changed once made, so that saves and sends can
// read it on other threads while the file shows it.
struct ImportedContents {
    // As the import made them; a POI's id is its position.
    POIStore pois;
    SearchIndex search;
    std::vector<ImportIssue> issues;
    // The icons the source gave its categories; a category without one uses the file's.
    std::vector<CategoryIcon> categoryIcons{};
};

// The import's POIs kept as they are, with what a search needs folded once here so that
// searching a large file stays quick. The POIs are moved, not copied.
ImportedContents importedContents(ImportResult result);

} // namespace marklode
