#include "core/gpi/AreaSplit.h"

#include <algorithm>

namespace marklode {

namespace {

// Each halving is specified as a stable sort followed by a cut. Stable sorts compose: a stable
// sort by longitude of a sequence ordered by (latitude, index) orders it by (longitude,
// latitude, index), and every later sort keeps the other coordinate as its first tie-breaker.
// With these total orders only the set on each side of a cut matters, so nth_element does the
// cuts in linear time and only the final areas need sorting.
using Key = AreaMember;

// Function objects rather than function pointers, so the comparisons are inlined.
struct ByLatitudeThenIndex {
    bool operator()(const Key& a, const Key& b) const {
        if (a.latitude != b.latitude)
            return a.latitude < b.latitude;
        return a.index < b.index;
    }
};

struct ByLatitude {
    bool operator()(const Key& a, const Key& b) const {
        if (a.latitude != b.latitude)
            return a.latitude < b.latitude;
        if (a.longitude != b.longitude)
            return a.longitude < b.longitude;
        return a.index < b.index;
    }
};

struct ByLongitude {
    bool operator()(const Key& a, const Key& b) const {
        if (a.longitude != b.longitude)
            return a.longitude < b.longitude;
        if (a.latitude != b.latitude)
            return a.latitude < b.latitude;
        return a.index < b.index;
    }
};

using Iterator = std::vector<Key>::iterator;

struct Splitter {
    std::size_t maxPerArea;
    AreaSplit& result;

    Iterator first;

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
            std::nth_element(begin, middle, end, ByLatitudeThenIndex{});
        else
            std::nth_element(begin, middle, end, ByLatitude{});
        for (auto [halfBegin, halfEnd] : {std::pair{begin, middle}, std::pair{middle, end}}) {
            Iterator quarter = halfBegin + (halfEnd - halfBegin) / 2;
            std::nth_element(halfBegin, quarter, halfEnd, ByLongitude{});
            split(halfBegin, quarter, false);
            split(quarter, halfEnd, false);
        }
    }
};

} // namespace

AreaSplit splitIntoAreas(std::span<const POI> pois, std::size_t maxPerArea) {
    AreaSplit result;
    result.members.reserve(pois.size());
    for (std::size_t i = 0; i < pois.size(); ++i)
        result.members.push_back(
            {pois[i].latitude, pois[i].longitude, static_cast<std::uint32_t>(i)});
    result.areaEnds.reserve(pois.size() / (maxPerArea / 4 + 1) + 1);
    Splitter{std::max<std::size_t>(maxPerArea, 1), result, result.members.begin()}.split(
        result.members.begin(), result.members.end(), true);
    return result;
}

} // namespace marklode
