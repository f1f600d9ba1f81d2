#include "rules/TextSearch.h"

#include "core/text/TextClasses.h"

namespace marklode {

namespace {
// Never typed into a search field, so a match can't straddle two of the fields.
constexpr char separator = '\0';
} // namespace

std::string searchKey(const POI& poi) {
    std::string key = lowercased(poi.name);
    auto add = [&key](std::string_view text) {
        if (text.empty())
            return;
        key += separator;
        key += lowercased(text);
    };
    if (poi.comment)
        add(*poi.comment);
    if (const POIDetails* details = poi.details.get()) {
        const Address& address = details->address;
        for (std::string_view text :
             {std::string_view(details->category), std::string_view(address.street),
              std::string_view(address.city), std::string_view(address.region),
              std::string_view(address.postalCode), std::string_view(address.country),
              std::string_view(details->phone)})
            add(text);
    }
    return key;
}

std::optional<std::string> searchNeedle(std::string_view text) {
    std::string_view trimmed = trimWhitespace(text);
    if (trimmed.empty())
        return std::nullopt;
    return lowercased(trimmed);
}

bool keyMatches(std::string_view key, std::string_view needle) {
    return key.find(needle) != std::string_view::npos;
}

} // namespace marklode
