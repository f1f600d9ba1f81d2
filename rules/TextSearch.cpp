#include "rules/TextSearch.h"

#include "core/text/TextClasses.h"

namespace marklode {

namespace {
// Never typed into a search field, so a match can't straddle name and comment.
constexpr char separator = '\0';
} // namespace

std::string searchKey(const POI& poi) {
    std::string key = lowercased(poi.name);
    if (poi.comment) {
        key += separator;
        key += lowercased(*poi.comment);
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
