#pragma once

#include "core/import/POI.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace marklode {

// The POI fields a feature's properties may give, in the CSV header's names and in
// OpenStreetMap's ("addr:street", "contact:phone").
enum class PropertyField {
    name,
    comment,
    category,
    street,
    houseNumber,
    city,
    region,
    postalCode,
    country,
    phone,
};

// Which field a property key names, by its name in any letter case. Keys repeat from feature to
// feature, so answers are remembered, up to a bound that a file of random keys cannot outgrow.
class PropertyKeys {
  public:
    std::optional<PropertyField> fieldOf(std::string_view key);

    static constexpr std::size_t remembered = 1024;

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const {
            return std::hash<std::string_view>{}(key);
        }
    };
    std::unordered_map<std::string, std::optional<PropertyField>, Hash, std::equal_to<>> known;
};

// One feature's property values; for each field the first that is not blank counts.
class FeatureProperties {
  public:
    // Whether the field still waits for a value, so that values nobody reads aren't made.
    bool wants(PropertyField field) const { return slot(field).empty(); }
    // Takes the value trimmed; a blank one leaves the field waiting.
    void set(PropertyField field, std::string_view value);
    void clear();

    const std::string& name() const { return values[index(PropertyField::name)]; }
    std::optional<std::string> comment() const;
    // The street joined with its house number as addresses are written where the number
    // follows: "Bahnhofstrasse 12".
    POIDetails details() const;

  private:
    static std::size_t index(PropertyField field) { return static_cast<std::size_t>(field); }
    const std::string& slot(PropertyField field) const { return values[index(field)]; }

    std::string values[static_cast<std::size_t>(PropertyField::phone) + 1];
};

// A number property as text: whole numbers digit for digit, others in the shortest form that
// reads back as the same double.
std::string numberText(std::string_view literal, double value);

} // namespace marklode
