#include "rules/TextSearch.h"

#include "core/text/TextClasses.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>

namespace marklode {

namespace {

// Never typed into a search field, so a match can't straddle two of the fields.
constexpr char separator = '\0';

// A POI's details in the order its key holds them.
std::array<std::string_view, 7> detailTexts(const POIDetails& details) {
    const Address& address = details.address;
    return {details.category,   address.street,  address.city, address.region,
            address.postalCode, address.country, details.phone};
}

// A folded needle of ASCII only, found in ASCII texts as they are: a letter of the needle (folded
// to lower case) matches either case of it, anything else only itself.
class ASCIINeedle {
  public:
    explicit ASCIINeedle(std::string_view needle) : needle_(needle), masks_(needle.size(), 0) {
        for (std::size_t i = 0; i < needle.size(); ++i)
            if (needle[i] >= 'a' && needle[i] <= 'z')
                masks_[i] = 0x20;
    }

    bool isIn(std::string_view text) const {
        const std::size_t size = needle_.size();
        if (text.size() < size)
            return false;
        const char* at = text.data();
        const char* const last = at + (text.size() - size);
        const char first = needle_[0];
        const char firstMask = masks_[0];
        for (; at <= last; ++at) {
            if (static_cast<char>(at[0] | firstMask) != first)
                continue;
            std::size_t i = 1;
            while (i < size && static_cast<char>(at[i] | masks_[i]) == needle_[i])
                ++i;
            if (i == size)
                return true;
        }
        return false;
    }

  private:
    std::string_view needle_;
    std::string masks_;
};

} // namespace

std::string searchKey(POIView poi) {
    std::string key = lowercased(poi.name);
    auto add = [&key](std::string_view text) {
        if (text.empty())
            return;
        key += separator;
        key += lowercased(text);
    };
    if (poi.comment)
        add(*poi.comment);
    if (poi.details)
        for (std::string_view text : detailTexts(*poi.details))
            add(text);
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

SearchIndex::SearchIndex(const POIStore& pois) {
    if (pois.size() > UINT32_MAX)
        throw std::length_error("Too many POIs to search.");
    starts_.push_back(0);
    // Runs of POIs share their details, so each run's are checked once.
    const POIDetails* lastDetails = nullptr;
    bool lastDetailsASCII = true;
    for (std::size_t i = 0; i < pois.size(); ++i) {
        POIView poi = pois[i];
        bool ascii = isASCII(poi.name) && (!poi.comment || isASCII(*poi.comment));
        if (ascii && poi.details) {
            if (poi.details != lastDetails) {
                lastDetails = poi.details;
                std::array<std::string_view, 7> texts = detailTexts(*poi.details);
                lastDetailsASCII = std::all_of(texts.begin(), texts.end(), isASCII);
            }
            ascii = lastDetailsASCII;
        }
        if (ascii)
            continue;
        folded_.push_back(static_cast<std::uint32_t>(i));
        keys_ += searchKey(poi);
        starts_.push_back(keys_.size());
    }
    folded_.shrink_to_fit();
    starts_.shrink_to_fit();
    keys_.shrink_to_fit();
}

std::vector<std::size_t> SearchIndex::matches(const POIStore& pois, std::string_view needle) const {
    std::vector<std::size_t> found;
    if (needle.empty()) {
        found.resize(pois.size());
        std::iota(found.begin(), found.end(), std::size_t{0});
        return found;
    }
    // A needle beyond ASCII is never in an ASCII text: only the folded keys can hold it.
    if (!isASCII(needle)) {
        for (std::size_t entry = 0; entry < folded_.size(); ++entry)
            if (keyMatches(key(entry), needle))
                found.push_back(folded_[entry]);
        return found;
    }
    // A needle holding the separator may straddle two texts, as it may in a key.
    const bool straddles = needle.find(separator) != std::string_view::npos;
    const ASCIINeedle ascii(needle);
    const POIDetails* lastDetails = nullptr;
    bool lastDetailsMatch = false;
    std::size_t entry = 0;
    for (std::size_t i = 0; i < pois.size(); ++i) {
        if (entry < folded_.size() && folded_[entry] == i) {
            if (keyMatches(key(entry++), needle))
                found.push_back(i);
            continue;
        }
        POIView poi = pois[i];
        bool match = false;
        if (straddles) {
            match = keyMatches(searchKey(poi), needle);
        } else {
            match = ascii.isIn(poi.name) || (poi.comment && ascii.isIn(*poi.comment));
            if (!match && poi.details) {
                if (poi.details != lastDetails) {
                    lastDetails = poi.details;
                    std::array<std::string_view, 7> texts = detailTexts(*poi.details);
                    lastDetailsMatch =
                        std::any_of(texts.begin(), texts.end(),
                                    [&](std::string_view text) { return ascii.isIn(text); });
                }
                match = lastDetailsMatch;
            }
        }
        if (match)
            found.push_back(i);
    }
    return found;
}

std::size_t SearchIndex::heapBytes() const {
    return folded_.capacity() * sizeof(std::uint32_t) + starts_.capacity() * sizeof(std::uint64_t) +
           keys_.capacity();
}

} // namespace marklode
