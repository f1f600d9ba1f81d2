#include "rules/TextSearch.h"

#include "core/text/TextClasses.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
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

    // Whether the text holds the needle, not across `boundary` (a place in the text where one
    // text ends and the next begins).
    bool isIn(std::string_view text, std::size_t boundary = std::string_view::npos) const {
        const std::size_t size = needle_.size();
        const char* const data = text.data();
        auto foundAt = [&](std::size_t at) {
            return (at >= boundary || at + size <= boundary) && holdsAt(data + at);
        };
        if (text.size() < size)
            return false;
        const std::size_t starts = text.size() - size + 1;
        std::size_t at = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // Eight places at a time are checked for the needle's first byte, the way memchr
            // does it, since most places hold no match.
            constexpr std::uint64_t ones = 0x0101010101010101;
            constexpr std::uint64_t highs = 0x8080808080808080;
            const std::uint64_t firsts = ones * static_cast<unsigned char>(needle_[0]);
            const std::uint64_t firstMasks = ones * static_cast<unsigned char>(masks_[0]);
            // The last eight bytes are read again rather than one by one, skipping those done.
            while (at < starts && text.size() >= 8) {
                const std::size_t block = std::min(at, text.size() - 8);
                std::uint64_t bytes = 0;
                std::memcpy(&bytes, data + block, 8);
                const std::uint64_t differ = (bytes | firstMasks) ^ firsts;
                // The lowest byte marked is the first that equals; those above it may not.
                std::uint64_t equal = (differ - ones) & ~differ & highs;
                equal &= ~std::uint64_t{0} << (8 * (at - block));
                if (equal == 0) {
                    at = block + 8;
                    continue;
                }
                at = block + static_cast<std::size_t>(std::countr_zero(equal) / 8);
                if (at >= starts)
                    return false;
                if (foundAt(at))
                    return true;
                ++at;
            }
        }
        for (; at < starts; ++at)
            if (foundAt(at))
                return true;
        return false;
    }

  private:
    // Whether the needle starts at `at`, which has room for it.
    bool holdsAt(const char* at) const {
        for (std::size_t i = 0; i < needle_.size(); ++i)
            if (static_cast<char>(at[i] | masks_[i]) != needle_[i])
                return false;
        return true;
    }

    std::string_view needle_;
    std::string masks_;
};

// Whether the POI's name or comment holds the needle. A store keeps a comment right after its
// name: both are scanned in one go, though not across.
bool nameOrCommentHolds(const ASCIINeedle& needle, const POIView& poi) {
    if (!poi.comment)
        return needle.isIn(poi.name);
    if (poi.comment->data() == poi.name.data() + poi.name.size())
        return needle.isIn({poi.name.data(), poi.name.size() + poi.comment->size()},
                           poi.name.size());
    return needle.isIn(poi.name) || needle.isIn(*poi.comment);
}

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
        throw std::length_error(translate("TextSearch", "Too many POIs to search."));
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
            match = nameOrCommentHolds(ascii, poi);
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

} // namespace marklode
