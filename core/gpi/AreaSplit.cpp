#include "core/gpi/AreaSplit.h"

#include "core/gpi/TwoThreads.h"

#include <algorithm>
#include <memory>

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
    // `scratch` has room for as many keys as the largest slice it will select in.
    explicit Selector(Key* scratch) : scratch_(scratch) {}

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
    Key* scratch_;

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
        Key* below = scratch_;
        Key* above = scratch_ + n;
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
        std::ptrdiff_t belowCount = below - scratch_;
        std::ptrdiff_t betweenCount = between - first;
        Key* betweenFirst = first + belowCount;
        Key* betweenLast = betweenFirst + betweenCount;
        std::copy_backward(first, first + betweenCount, betweenLast);
        std::copy(scratch_, below, first);
        std::copy(above, scratch_ + n, betweenLast);
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
            Key* above = scratch_;
            for (Key* it = first; it != last - 1; ++it) {
                const Key key = *it;
                bool isBelow = less(key, pivot);
                *below = key;
                *above = key;
                below += isBelow;
                above += !isBelow;
            }
            *below = pivot;
            std::copy(scratch_, above, below + 1);
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
    Iterator first;
    std::vector<std::uint32_t>& areaEnds;
    Selector selector;

    // Areas are emitted in place: the slices are visited left to right.
    void emit(Iterator end) { areaEnds.push_back(static_cast<std::uint32_t>(end - first)); }

    // A half of a latitude cut, ordered by nothing in particular: cut by longitude, then split.
    void splitHalf(Iterator begin, Iterator end) {
        Iterator quarter = begin + (end - begin) / 2;
        selector.select(begin, quarter, end, ByLongitude{});
        split(begin, quarter);
        split(quarter, end);
    }

    // A quarter, ordered by longitude.
    void split(Iterator begin, Iterator end) {
        auto n = static_cast<std::size_t>(end - begin);
        if (n == 0)
            return;
        if (n <= maxPerArea) {
            std::sort(begin, end, ByLongitude{});
            emit(end);
            return;
        }
        Iterator middle = begin + static_cast<std::ptrdiff_t>(n / 2);
        selector.select(begin, middle, end, ByLatitude{});
        splitHalf(begin, middle);
        splitHalf(middle, end);
    }
};

} // namespace

AreaSplit splitIntoAreas(std::vector<AreaMember> members, std::size_t maxPerArea, bool twoThreads) {
    AreaSplit result;
    result.members = std::move(members);
    maxPerArea = std::max<std::size_t>(maxPerArea, 1);
    std::size_t n = result.members.size();
    if (n == 0)
        return result;
    // The whole category is still in input order, and a single area keeps it.
    if (n <= maxPerArea) {
        result.areaEnds.push_back(static_cast<std::uint32_t>(n));
        return result;
    }
    result.areaEnds.reserve(n / (maxPerArea / 4 + 1) + 1);
    // Every key is overwritten before it is read.
    auto scratch = std::make_unique_for_overwrite<Key[]>(n);
    Iterator begin = result.members.begin();
    Iterator middle = begin + static_cast<std::ptrdiff_t>(n / 2);
    Iterator end = result.members.end();
    Selector(scratch.get()).select(begin, middle, end, ByLatitudeThenIndex{});

    // The halves of the first cut are independent: each selects in its own part of the scratch
    // space and numbers its areas from the same start.
    std::vector<std::uint32_t> upperEnds;
    Splitter lower{maxPerArea, begin, result.areaEnds, Selector(scratch.get())};
    Splitter upper{maxPerArea, begin, upperEnds, Selector(scratch.get() + n / 2)};
    runBoth(
        twoThreads, [&] { lower.splitHalf(begin, middle); }, [&] { upper.splitHalf(middle, end); });
    result.areaEnds.insert(result.areaEnds.end(), upperEnds.begin(), upperEnds.end());
    return result;
}

AreaSplit splitIntoAreas(const POIStore& pois, std::size_t maxPerArea, bool twoThreads) {
    std::vector<AreaMember> members;
    members.reserve(pois.size());
    for (std::size_t i = 0; i < pois.size(); ++i)
        members.push_back({pois.latitude(i), pois.longitude(i), static_cast<std::uint32_t>(i)});
    return splitIntoAreas(std::move(members), maxPerArea, twoThreads);
}

} // namespace marklode
