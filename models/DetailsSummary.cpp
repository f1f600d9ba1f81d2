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

std::string_view detailText(const POIView& poi, POIField field) {
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

DetailsSummary summarizeDetails(const POIStore& pois) {
    DetailsSummary summary;
    // Keyed by views into the POIs, which outlive the summary's making.
    std::unordered_map<std::string_view, std::size_t> places;
    // Runs of POIs share their details: each run is looked up and checked once.
    std::optional<const POIDetails*> lastDetails;
    std::size_t lastPlace = 0;
    for (POIView poi : pois) {
        if (poi.details != lastDetails) {
            lastDetails = poi.details;
            std::string_view category = poi.category();
            auto [place, added] = places.try_emplace(category, summary.categories.size());
            if (added)
                summary.categories.push_back({std::string(category), 0});
            lastPlace = place->second;
            if (poi.details)
                for (POIField field : detailFields)
                    if (!detailText(poi, field).empty())
                        summary.givenFields |= bit(field);
        }
        ++summary.categories[lastPlace].poiCount;
    }
    return summary;
}

} // namespace marklode
