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

} // namespace

std::size_t POIHash::operator()(const POI& poi) const noexcept {
    std::size_t seed = 0;
    combine(seed, hashDouble(poi.latitude));
    combine(seed, hashDouble(poi.longitude));
    combine(seed, std::hash<std::string>{}(poi.name));
    combine(seed, hashOptional(poi.comment, std::hash<std::string>{}));
    combine(seed, hashOptional(poi.speedKmh, hashDouble));
    combine(seed, hashOptional(poi.proximityMeters, hashDouble));
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
    return form;
}

POI decodePOI(const KeyedForm& form) {
    return POI{
        *take<double>(form, "latitude", true),  *take<double>(form, "longitude", true),
        *take<std::string>(form, "name", true), take<std::string>(form, "comment", false),
        take<double>(form, "speedKmh", false),  take<double>(form, "proximityMeters", false)};
}

} // namespace marklode
