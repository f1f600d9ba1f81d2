#include "core/import/GeoJSONProperties.h"

#include "core/import/FieldNames.h"
#include "core/text/TextClasses.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace marklode {

namespace {

std::optional<PropertyField> openStreetMapField(std::string_view lower) {
    static constexpr std::pair<std::string_view, PropertyField> keys[] = {
        {"addr:street", PropertyField::street},
        {"addr:housenumber", PropertyField::houseNumber},
        {"addr:postcode", PropertyField::postalCode},
        {"addr:city", PropertyField::city},
        {"addr:state", PropertyField::region},
        {"addr:province", PropertyField::region},
        {"addr:country", PropertyField::country},
        {"contact:phone", PropertyField::phone},
    };
    for (auto [key, field] : keys)
        if (lower == key)
            return field;
    return std::nullopt;
}

std::optional<PropertyField> propertyFieldNamed(std::string_view key) {
    if (std::optional<PropertyField> field =
            openStreetMapField(lowercased(trimWhitespaceAndNewlines(key))))
        return field;
    std::optional<POIField> field = poiFieldNamed(key);
    if (!field)
        return std::nullopt;
    switch (*field) {
    case POIField::name:
        return PropertyField::name;
    case POIField::comment:
        return PropertyField::comment;
    case POIField::category:
        return PropertyField::category;
    case POIField::street:
        return PropertyField::street;
    case POIField::city:
        return PropertyField::city;
    case POIField::region:
        return PropertyField::region;
    case POIField::postalCode:
        return PropertyField::postalCode;
    case POIField::country:
        return PropertyField::country;
    case POIField::phone:
        return PropertyField::phone;
    case POIField::longitude:
    case POIField::latitude:
        break; // the geometry alone places a feature
    }
    return std::nullopt;
}

bool isWholeNumberLiteral(std::string_view literal) {
    if (!literal.empty() && literal.front() == '-')
        literal.remove_prefix(1);
    return !literal.empty() &&
           std::all_of(literal.begin(), literal.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::optional<PropertyField> PropertyKeys::fieldOf(std::string_view key) {
    if (auto found = known.find(key); found != known.end())
        return found->second;
    std::optional<PropertyField> field = propertyFieldNamed(key);
    if (known.size() < remembered)
        known.emplace(std::string(key), field);
    return field;
}

void FeatureProperties::set(PropertyField field, std::string_view value) {
    std::string& target = values[index(field)];
    if (target.empty())
        target = trimWhitespaceAndNewlines(value);
}

void FeatureProperties::clear() {
    for (std::string& value : values)
        value.clear();
}

std::optional<std::string> FeatureProperties::comment() const {
    const std::string& text = slot(PropertyField::comment);
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

POIDetails FeatureProperties::details() const {
    std::string street = slot(PropertyField::street);
    const std::string& number = slot(PropertyField::houseNumber);
    if (!number.empty())
        street = street.empty() ? number : street + ' ' + number;
    return POIDetails{slot(PropertyField::category),
                      Address{std::move(street), slot(PropertyField::city),
                              slot(PropertyField::region), slot(PropertyField::postalCode),
                              slot(PropertyField::country)},
                      slot(PropertyField::phone)};
}

std::string numberText(std::string_view literal, double value) {
    if (isWholeNumberLiteral(literal))
        return std::string(literal);
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string(literal);
}

} // namespace marklode
