#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/POI.h"
#include "rules/CategoryIcon.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marklode {

struct POIRow {
    std::int64_t id = 0; // the POI's position in the import result
    POI poi;
    bool operator==(const POIRow&) const = default;
};

// What one import of a file produced. Never changed once made, so that saves and sends can
// read it on other threads while the file shows it.
struct ImportedContents {
    std::vector<POIRow> rows;
    std::vector<std::string> searchKeys; // parallel to rows
    std::vector<ImportIssue> issues;
    // The icons the source gave its categories; a category without one uses the file's.
    std::vector<CategoryIcon> categoryIcons{};
};

// The import's POIs numbered in their order, with their search keys folded once here so that
// searching a large file stays quick. The POIs are moved, not copied.
ImportedContents importedContents(ImportResult result);

} // namespace marklode
