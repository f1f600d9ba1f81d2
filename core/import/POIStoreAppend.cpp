#include "core/import/POIStore.h"
#include "core/text/Translation.h"

#include <span>
#include <stdexcept>

// Apart from the rest of the store, so that joining stores does not change how the compiler
// builds adding one POI, the importers' hot path.

namespace marklode {

void POIStore::append(const POIStore& other) {
    const POIStore* const others[] = {&other};
    append(others);
}

void POIStore::append(std::span<const POIStore* const> others) {
    std::size_t records = records_.size(), texts = texts_.size(), alerts = alerts_.size(),
                details = details_.size();
    for (const POIStore* other : others) {
        records += other->records_.size();
        texts += other->texts_.size();
        alerts += other->alerts_.size();
        details += other->details_.size();
    }
    if (alerts >= none || details >= none)
        throw std::length_error(translate("POIStore", "Too many POIs with alerts or details."));
    records_.reserve(records);
    alerts_.reserve(alerts);
    if (texts > texts_.capacity()) {
        // Exactly the room needed: a string's own growth could double a buffer this large.
        std::string grown;
        grown.reserve(texts);
        grown.append(texts_);
        texts_.swap(grown);
    }
    for (const POIStore* other : others) {
        const std::uint64_t textShift = texts_.size();
        const auto alertShift = static_cast<std::uint32_t>(alerts_.size());
        const auto detailsShift = static_cast<std::uint32_t>(details_.size());
        texts_.append(other->texts_);
        alerts_.insert(alerts_.end(), other->alerts_.begin(), other->alerts_.end());
        details_.insert(details_.end(), other->details_.begin(), other->details_.end());
        const std::size_t from = records_.size();
        records_.insert(records_.end(), other->records_.begin(), other->records_.end());
        for (Record* record = records_.data() + from; record != records_.data() + records_.size();
             ++record) {
            record->textOffset += textShift;
            record->alerts += record->alerts != none ? alertShift : 0;
            record->details += record->details != none ? detailsShift : 0;
        }
    }
}

} // namespace marklode
