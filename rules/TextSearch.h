#pragma once

#include "core/import/POIStore.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

// What a row is searched by: its name, comment, category, address and phone, case folded.
std::string searchKey(POIView poi);

// The folded search text, or nothing when the text is only whitespace (every row matches).
std::optional<std::string> searchNeedle(std::string_view text);

bool keyMatches(std::string_view key, std::string_view needle);

// Finds the POIs of a store whose search key holds a needle, without a folded copy of the texts
// that need none: ASCII texts are matched in place, letter case ignored, and only the POIs with
// a text beyond ASCII keep their key, folded once when the file is imported.
class SearchIndex {
  public:
    SearchIndex() = default;
    explicit SearchIndex(const POIStore& pois);

    // The positions of the POIs whose key holds the needle (as searchNeedle folds it),
    // ascending. The store is the one the index was made from.
    std::vector<std::size_t> matches(const POIStore& pois, std::string_view needle) const;

    std::size_t foldedCount() const { return folded_.size(); }

  private:
    std::string_view key(std::size_t entry) const {
        return std::string_view(keys_).substr(starts_[entry], starts_[entry + 1] - starts_[entry]);
    }

    std::vector<std::uint32_t> folded_; // the positions of the POIs with a key, ascending
    std::vector<std::uint64_t> starts_; // where each key starts in keys_, then the end
    std::string keys_;
};

} // namespace marklode
