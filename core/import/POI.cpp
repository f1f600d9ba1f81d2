#include "core/import/POI.h"

#include <algorithm>
#include <functional>

namespace marklode {

namespace {

void combine(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

// Equal values must hash alike, and 0.0 == -0.0.
std::size_t hashDouble(double value) {
    return std::hash<double>{}(value == 0 ? 0.0 : value);
}

template <typename T, typename Hash>
std::size_t hashOptional(const std::optional<T>& value, Hash hash) {
    return value ? hash(*value) * 31 + 1 : 0;
}

const KeyedValue* find(const KeyedForm& form, std::string_view key) {
    auto it = std::find_if(form.begin(), form.end(),
                           [&](const auto& entry) { return entry.first == key; });
    return it == form.end() ? nullptr : &it->second;
}

template <typename T> std::optional<T> take(const KeyedForm& form, const char* key, bool required) {
    const KeyedValue* value = find(form, key);
    if (!value) {
        if (required)
            throw POIDecodingError{POIDecodingError::Reason::missingKey, key};
        return std::nullopt;
    }
    if (const T* typed = std::get_if<T>(value))
        return *typed;
    throw POIDecodingError{POIDecodingError::Reason::wrongType, key};
}

using AddressPart = std::string Address::*;
constexpr std::pair<const char*, AddressPart> addressParts[] = {
    {"street", &Address::street},   {"city", &Address::city},
    {"region", &Address::region},   {"postalCode", &Address::postalCode},
    {"country", &Address::country},
};

} // namespace

bool Address::isEmpty() const {
    return std::all_of(std::begin(addressParts), std::end(addressParts),
                       [this](const auto& part) { return (this->*part.second).empty(); });
}

const POIDetails& POI::more() const {
    static const POIDetails none;
    return details ? *details : none;
}

void POI::setDetails(POIDetails newDetails) {
    if (newDetails.isEmpty())
        details.reset();
    else
        details = std::make_shared<const POIDetails>(std::move(newDetails));
}

bool POI::operator==(const POI& other) const {
    return latitude == other.latitude && longitude == other.longitude && name == other.name &&
           comment == other.comment && speedKmh == other.speedKmh &&
           proximityMeters == other.proximityMeters &&
           (details == other.details || more() == other.more());
}

std::size_t POIHash::operator()(const POI& poi) const noexcept {
    std::size_t seed = 0;
    combine(seed, hashDouble(poi.latitude));
    combine(seed, hashDouble(poi.longitude));
    combine(seed, std::hash<std::string>{}(poi.name));
    combine(seed, hashOptional(poi.comment, std::hash<std::string>{}));
    combine(seed, hashOptional(poi.speedKmh, hashDouble));
    combine(seed, hashOptional(poi.proximityMeters, hashDouble));
    if (poi.details) {
        std::hash<std::string> hash;
        combine(seed, hash(poi.category()));
        for (const auto& part : addressParts)
            combine(seed, hash(poi.address().*part.second));
        combine(seed, hash(poi.phone()));
    }
    return seed;
}

KeyedForm encode(const POI& poi) {
    KeyedForm form{{"latitude", poi.latitude}, {"longitude", poi.longitude}, {"name", poi.name}};
    if (poi.comment)
        form.emplace_back("comment", *poi.comment);
    if (poi.speedKmh)
        form.emplace_back("speedKmh", *poi.speedKmh);
    if (poi.proximityMeters)
        form.emplace_back("proximityMeters", *poi.proximityMeters);
    if (!poi.category().empty())
        form.emplace_back("category", poi.category());
    if (!poi.address().isEmpty()) {
        KeyedFields address;
        for (const auto& [key, part] : addressParts)
            if (!(poi.address().*part).empty())
                address.emplace_back(key, poi.address().*part);
        form.emplace_back("address", std::move(address));
    }
    if (!poi.phone().empty())
        form.emplace_back("phone", poi.phone());
    return form;
}

POI decodePOI(const KeyedForm& form) {
    POI poi{*take<double>(form, "latitude", true),  *take<double>(form, "longitude", true),
            *take<std::string>(form, "name", true), take<std::string>(form, "comment", false),
            take<double>(form, "speedKmh", false),  take<double>(form, "proximityMeters", false)};
    POIDetails details;
    details.category = take<std::string>(form, "category", false).value_or("");
    details.phone = take<std::string>(form, "phone", false).value_or("");
    for (const auto& [key, value] :
         take<KeyedFields>(form, "address", false).value_or(KeyedFields{}))
        for (const auto& [partKey, part] : addressParts)
            if (key == partKey)
                details.address.*part = value;
    poi.setDetails(std::move(details));
    return poi;
}

} // namespace marklode
