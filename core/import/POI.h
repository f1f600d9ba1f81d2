#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace marklode {

struct POI {
    double latitude = 0;
    double longitude = 0;
    std::string name;
    std::optional<std::string> comment;
    std::optional<double> speedKmh;
    std::optional<double> proximityMeters;

    bool hasAlert() const { return speedKmh.has_value() || proximityMeters.has_value(); }
    bool operator==(const POI&) const = default;
};

struct POIHash {
    std::size_t operator()(const POI& poi) const noexcept;
};

// The keyed serialised form: keys are the field names, in field order; optional fields appear
// only when present.
using KeyedValue = std::variant<double, std::string>;
using KeyedForm = std::vector<std::pair<std::string, KeyedValue>>;

struct POIDecodingError {
    enum class Reason { missingKey, wrongType };
    Reason reason = Reason::missingKey;
    std::string key;
    bool operator==(const POIDecodingError&) const = default;
};

KeyedForm encode(const POI& poi);
// Throws POIDecodingError.
POI decodePOI(const KeyedForm& form);

} // namespace marklode

template <> struct std::hash<marklode::POI> : marklode::POIHash {};
