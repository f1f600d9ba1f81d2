#pragma once

#include <optional>
#include <string_view>

namespace marklode {

// The values a source may name a POI's fields by: a CSV header, a KML placemark's extended
// data, a GeoJSON feature's properties.
enum class POIField {
    longitude,
    latitude,
    name,
    comment,
    category,
    street,
    city,
    region,
    postalCode,
    country,
    phone,
};

// By the name as a user wrote it, in any letter case, without surrounding white space.
std::optional<POIField> poiFieldNamed(std::string_view name);

} // namespace marklode
