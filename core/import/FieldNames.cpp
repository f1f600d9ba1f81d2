#include "core/import/FieldNames.h"

#include "core/text/TextClasses.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace marklode {

namespace {

struct FieldNames {
    POIField field;
    std::initializer_list<std::string_view> names; // lower-cased
};

const FieldNames fieldNames[] = {
    {POIField::longitude, {"longitude", "lon", "long", "lng", "x"}},
    {POIField::latitude, {"latitude", "lat", "y"}},
    {POIField::name, {"name", "title", "poi"}},
    {POIField::comment, {"comment", "comments", "description", "desc", "cmt", "notes"}},
    {POIField::category, {"category", "group", "layer", "type"}},
    {POIField::street, {"address", "street"}},
    {POIField::city, {"city"}},
    {POIField::region, {"state", "region"}},
    {POIField::postalCode, {"postcode", "zip", "postal code"}},
    {POIField::country, {"country"}},
    {POIField::phone, {"phone", "telephone", "tel"}},
};

} // namespace

std::optional<POIField> poiFieldNamed(std::string_view name) {
    std::string lower = lowercased(trimWhitespaceAndNewlines(name));
    for (const FieldNames& entry : fieldNames)
        for (std::string_view candidate : entry.names)
            if (lower == candidate)
                return entry.field;
    return std::nullopt;
}

} // namespace marklode
