#pragma once

#include "core/import/FieldNames.h"
#include "core/import/POI.h"
#include "core/import/POIStore.h"
#include "rules/ExportSettings.h"
#include "rules/FileCategories.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

// What a file's POIs carry besides names, places and alerts, found once per import so that
// the views never scan the rows for it.
struct DetailsSummary {
    // Each category the POIs give, in the order they first appear, with how many give it;
    // the POIs without one are counted under an empty name.
    std::vector<CategoryCount> categories;
    // The detail fields at least one POI has, as bits by POIField.
    std::uint32_t givenFields = 0;

    bool gives(POIField field) const { return (givenFields >> static_cast<unsigned>(field)) & 1u; }
    bool operator==(const DetailsSummary&) const = default;
};

// The POI's category, address part or phone; empty for any other field.
std::string_view detailText(const POIView& poi, POIField field);

DetailsSummary summarizeDetails(const POIStore& pois);

} // namespace marklode
