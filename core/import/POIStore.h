#pragma once

#include "core/import/POI.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

// A POI read in place: its texts are views into a POIStore or a POI, valid while that is
// unchanged. Converts to an owning POI where one is needed.
struct POIView {
    double latitude = 0;
    double longitude = 0;
    std::string_view name;
    std::optional<std::string_view> comment;
    std::optional<double> speedKmh;
    std::optional<double> proximityMeters;
    const POIDetails* details = nullptr; // null when there are none

    POIView() = default;
    explicit POIView(const POI& poi);

    bool hasAlert() const { return speedKmh.has_value() || proximityMeters.has_value(); }
    const POIDetails& more() const;
    const std::string& category() const { return more().category; }
    const Address& address() const { return more().address; }
    const std::string& phone() const { return more().phone; }

    POI toPOI() const;
    operator POI() const { return toPOI(); }
    bool operator==(const POIView& other) const;
};

// Many POIs in little memory and few allocations: every text in one buffer, a POI as a
// 40-byte record, alerts and details beside them only for the POIs that have them.
class POIStore {
  public:
    class iterator {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = POIView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = POIView;

        iterator() = default;
        iterator(const POIStore* store, std::size_t index) : store_(store), index_(index) {}
        POIView operator*() const { return (*store_)[index_]; }
        POIView operator[](difference_type offset) const { return *(*this + offset); }
        iterator& operator++() { return ++index_, *this; }
        iterator operator++(int) { return {store_, index_++}; }
        iterator& operator--() { return --index_, *this; }
        iterator operator--(int) { return {store_, index_--}; }
        iterator& operator+=(difference_type offset) { return index_ += offset, *this; }
        iterator& operator-=(difference_type offset) { return index_ -= offset, *this; }
        friend iterator operator+(iterator it, difference_type offset) { return it += offset; }
        friend iterator operator+(difference_type offset, iterator it) { return it += offset; }
        friend iterator operator-(iterator it, difference_type offset) { return it -= offset; }
        friend difference_type operator-(const iterator& a, const iterator& b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        bool operator==(const iterator& other) const { return index_ == other.index_; }
        auto operator<=>(const iterator& other) const { return index_ <=> other.index_; }

      private:
        const POIStore* store_ = nullptr;
        std::size_t index_ = 0;
    };
    using const_iterator = iterator;
    using value_type = POIView;
    using size_type = std::size_t;

    POIStore() = default;
    POIStore(std::initializer_list<POI> pois);
    POIStore(const std::vector<POI>& pois);

    std::size_t size() const { return records_.size(); }
    std::size_t capacity() const { return records_.capacity(); }
    bool empty() const { return records_.empty(); }
    // Room for this many POIs and bytes of text (names, comments).
    void reserve(std::size_t pois, std::size_t textBytes = 0);
    void clear();
    void shrinkToFit();

    void push_back(const POIView& poi);
    void push_back(const POI& poi) { push_back(POIView(poi)); }
    // The POI with these values; the texts are copied. Saves building a view where an importer
    // has the parts at hand.
    void add(double latitude, double longitude, std::string_view name,
             std::optional<std::string_view> comment, std::optional<double> speedKmh = {},
             std::optional<double> proximityMeters = {}, const POIDetails* details = nullptr);
    // Every POI of `other`, after these, in its order.
    void append(const POIStore& other);
    // Every POI of each of `others` in turn, with room made once for all of them.
    void append(std::span<const POIStore* const> others);

    POIView operator[](std::size_t index) const;
    // Throws std::out_of_range past the end.
    POIView at(std::size_t index) const;
    POIView front() const { return (*this)[0]; }
    POIView back() const { return (*this)[size() - 1]; }
    iterator begin() const { return {this, 0}; }
    iterator end() const { return {this, size()}; }

    double latitude(std::size_t index) const { return records_[index].latitude; }
    double longitude(std::size_t index) const { return records_[index].longitude; }
    // Every name and comment, one after another, to learn something of all of them at once.
    std::string_view texts() const { return texts_; }
    // Where the POI's record and its texts (name, then comment) lie, for prefetching.
    const void* recordAddress(std::size_t index) const { return &records_[index]; }
    const char* textsAddress(std::size_t index) const {
        return texts_.data() + records_[index].textOffset;
    }
    void setProximity(std::size_t index, std::optional<double> proximityMeters);
    // Empty details remove them.
    void setDetails(std::size_t index, const POIDetails& details);

    bool operator==(const POIStore& other) const;
    bool operator==(const std::vector<POI>& pois) const;

  private:
    static constexpr std::uint32_t none = UINT32_MAX;
    struct Record {
        double latitude;
        double longitude;
        std::uint64_t textOffset; // the name, then the comment
        std::uint32_t nameSize;
        std::uint32_t commentSize; // none when there is no comment
        std::uint32_t alerts;      // index in alerts_, or none
        std::uint32_t details;     // index in details_, or none
    };
    struct Alerts {
        std::optional<double> speedKmh;
        std::optional<double> proximityMeters;
    };

    std::uint32_t addText(std::string_view text);
    std::uint32_t detailsIndex(const POIDetails& details);

    std::vector<Record> records_;
    std::string texts_;
    std::vector<Alerts> alerts_;
    // Runs of POIs with equal details (a folder's category) share one entry. A deque, as many
    // POIs may have details: it grows without moving what it holds.
    std::deque<POIDetails> details_;
};

} // namespace marklode
