#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace marklode {

// Each part is trimmed; an empty part is not set.
struct Address {
    std::string street{};
    std::string city{};
    std::string region{};
    std::string postalCode{};
    std::string country{};

    bool isEmpty() const;
    bool operator==(const Address&) const = default;
};

// What only some sources give a POI. Empty texts are not set.
struct POIDetails {
    std::string category{}; // compared exactly, after trimming
    Address address{};
    std::string phone{};

    bool isEmpty() const { return category.empty() && address.isEmpty() && phone.empty(); }
    bool operator==(const POIDetails&) const = default;
};

struct POI {
    double latitude = 0;
    double longitude = 0;
    std::string name;
    std::optional<std::string> comment;
    std::optional<double> speedKmh;
    std::optional<double> proximityMeters;
    // Kept out of line and shared between copies, so that a POI without details costs one
    // pointer. Null when there are none; set through setDetails.
    std::shared_ptr<const POIDetails> details{};

    bool hasAlert() const { return speedKmh.has_value() || proximityMeters.has_value(); }
    // The details, or empty ones.
    const POIDetails& more() const;
    const std::string& category() const { return more().category; }
    const Address& address() const { return more().address; }
    const std::string& phone() const { return more().phone; }
    // Keeps nothing when the details are empty.
    void setDetails(POIDetails newDetails);
    // Details compare by value.
    bool operator==(const POI& other) const;
};

struct POIHash {
    std::size_t operator()(const POI& poi) const noexcept;
};

// The keyed serialised form: keys are the field names, in field order; optional fields appear
// only when present. The address is a nested form of its set parts.
using KeyedFields = std::vector<std::pair<std::string, std::string>>;
using KeyedValue = std::variant<double, std::string, KeyedFields>;
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
