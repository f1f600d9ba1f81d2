#include "models/DetailsSummary.h"

#include "core/text/TextClasses.h"

#include <optional>
#include <unordered_map>

namespace marklode {

namespace {

constexpr POIField detailFields[] = {POIField::category, POIField::street,     POIField::city,
                                     POIField::region,   POIField::postalCode, POIField::country,
                                     POIField::phone};

std::uint32_t bit(POIField field) {
    return 1u << static_cast<unsigned>(field);
}

} // namespace

std::string_view detailText(const POI& poi, POIField field) {
    if (!poi.details)
        return {};
    const Address& address = poi.details->address;
    switch (field) {
    case POIField::category:
        return poi.details->category;
    case POIField::street:
        return address.street;
    case POIField::city:
        return address.city;
    case POIField::region:
        return address.region;
    case POIField::postalCode:
        return address.postalCode;
    case POIField::country:
        return address.country;
    case POIField::phone:
        return poi.details->phone;
    default:
        return {};
    }
}

DetailsSummary summarizeDetails(const std::vector<POIRow>& rows) {
    DetailsSummary summary;
    // Keyed by views into the rows, which outlive the summary's making.
    std::unordered_map<std::string_view, std::size_t> places;
    for (const POIRow& row : rows) {
        std::string_view category = row.poi.category();
        auto [place, added] = places.try_emplace(category, summary.categories.size());
        if (added)
            summary.categories.push_back({std::string(category), 0});
        ++summary.categories[place->second].poiCount;
        if (!row.poi.details)
            continue;
        for (POIField field : detailFields)
            if (!detailText(row.poi, field).empty())
                summary.givenFields |= bit(field);
    }
    return summary;
}

} // namespace marklode
