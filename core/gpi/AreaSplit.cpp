#include "core/gpi/AreaSplit.h"

#include <algorithm>

namespace marklode {

namespace {

// Each halving is specified as a stable sort followed by a cut. Stable sorts compose: a stable
// sort by longitude of a sequence ordered by (latitude, index) orders it by (longitude,
// latitude, index), and every later sort keeps the other coordinate as its first tie-breaker.
// With these total orders only the set on each side of a cut matters, so nth_element does the
// cuts in linear time and only the final areas need sorting.
struct Key {
    double latitude;
    double longitude;
    std::uint32_t index;
};

bool byLatitudeThenIndex(const Key& a, const Key& b) {
    if (a.latitude != b.latitude)
        return a.latitude < b.latitude;
    return a.index < b.index;
}

bool byLatitude(const Key& a, const Key& b) {
    if (a.latitude != b.latitude)
        return a.latitude < b.latitude;
    if (a.longitude != b.longitude)
        return a.longitude < b.longitude;
    return a.index < b.index;
}

bool byLongitude(const Key& a, const Key& b) {
    if (a.longitude != b.longitude)
        return a.longitude < b.longitude;
    if (a.latitude != b.latitude)
        return a.latitude < b.latitude;
    return a.index < b.index;
}

using Iterator = std::vector<Key>::iterator;

struct Splitter {
    std::size_t maxPerArea;
    AreaSplit& result;

    void emit(Iterator begin, Iterator end) {
        for (auto it = begin; it != end; ++it)
            result.order.push_back(it->index);
        result.areaEnds.push_back(static_cast<std::uint32_t>(result.order.size()));
    }

    // `top` is the whole category, still in input order; every deeper slice is a quarter,
    // ordered by longitude.
    void split(Iterator begin, Iterator end, bool top) {
        auto n = static_cast<std::size_t>(end - begin);
        if (n == 0)
            return;
        if (n <= maxPerArea) {
            if (!top)
                std::sort(begin, end, byLongitude);
            emit(begin, end);
            return;
        }
        Iterator middle = begin + static_cast<std::ptrdiff_t>(n / 2);
        std::nth_element(begin, middle, end, top ? byLatitudeThenIndex : byLatitude);
        for (auto [halfBegin, halfEnd] : {std::pair{begin, middle}, std::pair{middle, end}}) {
            Iterator quarter = halfBegin + (halfEnd - halfBegin) / 2;
            std::nth_element(halfBegin, quarter, halfEnd, byLongitude);
            split(halfBegin, quarter, false);
            split(quarter, halfEnd, false);
        }
    }
};

} // namespace

AreaSplit splitIntoAreas(std::span<const POI> pois, std::size_t maxPerArea) {
    std::vector<Key> keys;
    keys.reserve(pois.size());
    for (std::size_t i = 0; i < pois.size(); ++i)
        keys.push_back({pois[i].latitude, pois[i].longitude, static_cast<std::uint32_t>(i)});
    AreaSplit result;
    result.order.reserve(pois.size());
    result.areaEnds.reserve(pois.size() / (maxPerArea / 4 + 1) + 1);
    Splitter{std::max<std::size_t>(maxPerArea, 1), result}.split(keys.begin(), keys.end(), true);
    return result;
}

} // namespace marklode
