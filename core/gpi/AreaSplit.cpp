#include "core/gpi/AreaSplit.h"

#include <algorithm>

namespace marklode {

namespace {

// Each halving is defined as a stable sort followed by a cut. Stable sorts compose: a stable
// sort by longitude of a sequence ordered by (latitude, index) orders it by (longitude,
// latitude, index), and every later sort keeps the other coordinate as its first tie-breaker.
// With these total orders only the set on each side of a cut matters, so a selection does the
// cuts in linear time and only the final areas need sorting.
using Key = AreaMember;

// Without branches (| and & rather than || and &&), so random coordinates cost no
// mispredictions in the selection pass below.
struct ByLatitudeThenIndex {
    bool operator()(const Key& a, const Key& b) const {
        return (a.latitude < b.latitude) | ((a.latitude == b.latitude) & (a.index < b.index));
    }
};

struct ByLatitude {
    bool operator()(const Key& a, const Key& b) const {
        return (a.latitude < b.latitude) | ((a.latitude == b.latitude) &
                                            ((a.longitude < b.longitude) |
                                             ((a.longitude == b.longitude) & (a.index < b.index))));
    }
};

struct ByLongitude {
    bool operator()(const Key& a, const Key& b) const {
        return (a.longitude < b.longitude) |
               ((a.longitude == b.longitude) &
                ((a.latitude < b.latitude) | ((a.latitude == b.latitude) & (a.index < b.index))));
    }
};

using Iterator = std::vector<Key>::iterator;

// nth_element without branches on the data. Large slices: bracket the wanted rank between two
// elements of an evenly spaced sample, sort every element into below, between or above them
// in one pass, and select only among the few in between. Smaller slices, and the rest: a
// quickselect whose partition writes each element to both possible places and advances one.
class Selector {
  public:
    explicit Selector(std::size_t capacity) : scratch_(capacity) {}

    template <typename Less> void select(Iterator begin, Iterator kth, Iterator end, Less less) {
        Key* first = &*begin;
        Key* last = first + (end - begin);
        Key* nth = first + (kth - begin);
        if (auto [bandFirst, bandLast] = bracket(first, nth, last, less); bandFirst) {
            first = bandFirst;
            last = bandLast;
        }
        quickselect(first, nth, last, less);
    }

  private:
    static constexpr std::ptrdiff_t sampledFrom = 1 << 14;
    static constexpr std::size_t sampleSize = 2048;
    // About three standard deviations of the sampled rank of the median.
    static constexpr std::size_t margin = 72;
    static constexpr std::ptrdiff_t smallSlice = 32;

    std::vector<Key> sample_;
    std::vector<Key> scratch_;

    // Rearranges [first, last) into below, between and above; returns the between range when
    // it holds nth, else nothing (the slice is then still a permutation of itself).
    template <typename Less>
    std::pair<Key*, Key*> bracket(Key* first, Key* nth, Key* last, Less less) {
        auto n = static_cast<std::size_t>(last - first);
        auto k = static_cast<std::size_t>(nth - first);
        std::size_t target = k * sampleSize / std::max<std::size_t>(n, 1);
        if (last - first < sampledFrom || target < margin || target + margin >= sampleSize)
            return {nullptr, nullptr};
        sample_.clear();
        for (std::size_t i = 0; i < sampleSize; ++i)
            sample_.push_back(first[i * n / sampleSize]);
        auto low = sample_.begin() + static_cast<std::ptrdiff_t>(target - margin);
        auto high = sample_.begin() + static_cast<std::ptrdiff_t>(target + margin);
        std::nth_element(sample_.begin(), low, sample_.end(), less);
        std::nth_element(low + 1, high, sample_.end(), less);
        const Key lowest = *low;
        const Key highest = *high;

        // Below goes to the front of the scratch space, above to its back, in between to the
        // front of the slice itself, which never overtakes the reading position.
        Key* below = scratch_.data();
        Key* above = scratch_.data() + n;
        Key* between = first;
        for (Key* it = first; it != last; ++it) {
            const Key key = *it;
            bool isBelow = less(key, lowest);
            bool isAbove = less(highest, key);
            *below = key;
            *(above - 1) = key;
            *between = key;
            below += isBelow;
            above -= isAbove;
            between += !(isBelow | isAbove);
        }
        std::ptrdiff_t belowCount = below - scratch_.data();
        std::ptrdiff_t betweenCount = between - first;
        Key* betweenFirst = first + belowCount;
        Key* betweenLast = betweenFirst + betweenCount;
        std::copy_backward(first, first + betweenCount, betweenLast);
        std::copy(scratch_.data(), below, first);
        std::copy(above, scratch_.data() + n, betweenLast);
        if (nth >= betweenFirst && nth < betweenLast)
            return {betweenFirst, betweenLast};
        return {nullptr, nullptr};
    }

    template <typename Less> void quickselect(Key* first, Key* nth, Key* last, Less less) {
        // Bad pivots on unlucky input hand over to the library's introselect.
        int rounds = 64;
        while (last - first > smallSlice) {
            if (--rounds == 0)
                break;
            Key* middle = first + (last - first) / 2;
            Key* pivotAt = medianOfThree(first, middle, last - 1, less);
            std::swap(*pivotAt, *(last - 1));
            const Key pivot = *(last - 1);
            Key* below = first;
            Key* above = scratch_.data();
            for (Key* it = first; it != last - 1; ++it) {
                const Key key = *it;
                bool isBelow = less(key, pivot);
                *below = key;
                *above = key;
                below += isBelow;
                above += !isBelow;
            }
            *below = pivot;
            std::copy(scratch_.data(), above, below + 1);
            if (nth == below)
                return;
            if (nth < below)
                last = below;
            else
                first = below + 1;
        }
        std::nth_element(first, nth, last, less);
    }

    template <typename Less> static Key* medianOfThree(Key* a, Key* b, Key* c, Less less) {
        if (less(*a, *b))
            return less(*b, *c) ? b : (less(*a, *c) ? c : a);
        return less(*a, *c) ? a : (less(*b, *c) ? c : b);
    }
};

struct Splitter {
    std::size_t maxPerArea;
    AreaSplit& result;

    Iterator first;
    Selector selector;

    // Areas are emitted in place: the slices are visited left to right.
    void emit(Iterator end) { result.areaEnds.push_back(static_cast<std::uint32_t>(end - first)); }

    // `top` is the whole category, still in input order; every deeper slice is a quarter,
    // ordered by longitude.
    void split(Iterator begin, Iterator end, bool top) {
        auto n = static_cast<std::size_t>(end - begin);
        if (n == 0)
            return;
        if (n <= maxPerArea) {
            if (!top)
                std::sort(begin, end, ByLongitude{});
            emit(end);
            return;
        }
        Iterator middle = begin + static_cast<std::ptrdiff_t>(n / 2);
        if (top)
            selector.select(begin, middle, end, ByLatitudeThenIndex{});
        else
            selector.select(begin, middle, end, ByLatitude{});
        for (auto [halfBegin, halfEnd] : {std::pair{begin, middle}, std::pair{middle, end}}) {
            Iterator quarter = halfBegin + (halfEnd - halfBegin) / 2;
            selector.select(halfBegin, quarter, halfEnd, ByLongitude{});
            split(halfBegin, quarter, false);
            split(quarter, halfEnd, false);
        }
    }
};

} // namespace

AreaSplit splitIntoAreas(std::vector<AreaMember> members, std::size_t maxPerArea) {
    AreaSplit result;
    result.members = std::move(members);
    result.areaEnds.reserve(result.members.size() / (maxPerArea / 4 + 1) + 1);
    Splitter{std::max<std::size_t>(maxPerArea, 1), result, result.members.begin(),
             Selector(result.members.size())}
        .split(result.members.begin(), result.members.end(), true);
    return result;
}

AreaSplit splitIntoAreas(const POIStore& pois, std::size_t maxPerArea) {
    std::vector<AreaMember> members;
    members.reserve(pois.size());
    for (std::size_t i = 0; i < pois.size(); ++i)
        members.push_back({pois[i].latitude, pois[i].longitude, static_cast<std::uint32_t>(i)});
    return splitIntoAreas(std::move(members), maxPerArea);
}

} // namespace marklode
