#include "core/gpi/AreaSplit.h"

#include "core/gpi/GPIWriter.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

using namespace marklode;

namespace {

POI poi(std::string name, double latitude = 0, double longitude = 0) {
    return POI{latitude, longitude, std::move(name), std::nullopt, std::nullopt, std::nullopt};
}

} // namespace

namespace {

// The split by its definition: stable sorts and cuts, on index arrays.
void referenceSplit(const std::vector<POI>& pois, std::vector<std::uint32_t> slice,
                    std::vector<std::vector<std::uint32_t>>& areas) {
    if (slice.empty())
        return;
    if (slice.size() <= GPIWriter::maxWaypointsPerArea) {
        areas.push_back(slice);
        return;
    }
    auto byLatitude = [&](std::uint32_t a, std::uint32_t b) {
        return pois[a].latitude < pois[b].latitude;
    };
    auto byLongitude = [&](std::uint32_t a, std::uint32_t b) {
        return pois[a].longitude < pois[b].longitude;
    };
    std::stable_sort(slice.begin(), slice.end(), byLatitude);
    auto middle = slice.begin() + static_cast<std::ptrdiff_t>(slice.size() / 2);
    for (auto [begin, end] : {std::pair{slice.begin(), middle}, std::pair{middle, slice.end()}}) {
        std::vector<std::uint32_t> half(begin, end);
        std::stable_sort(half.begin(), half.end(), byLongitude);
        auto quarter = half.begin() + static_cast<std::ptrdiff_t>(half.size() / 2);
        referenceSplit(pois, {half.begin(), quarter}, areas);
        referenceSplit(pois, {quarter, half.end()}, areas);
    }
}

} // namespace

TEST(AreaSplitTest, MatchesTheStableSortDefinition) {
    std::mt19937 random(7);
    for (std::size_t n : {0u, 1u, 128u, 129u, 257u, 1000u, 5000u}) {
        for (int distinctValues : {3, 40, 100000}) {
            // Few distinct values make many ties, which is where stability matters.
            std::uniform_int_distribution<int> pick(0, distinctValues - 1);
            std::vector<POI> pois;
            for (std::size_t i = 0; i < n; ++i)
                pois.push_back(
                    poi("p", pick(random) * 0.001 - (i % 2 ? 0.0 : -0.0), pick(random) * 0.002));
            if (n > 10)
                pois[3].latitude = -0.0; // equal to 0.0, keeps its place
            std::vector<std::vector<std::uint32_t>> expected;
            std::vector<std::uint32_t> all(n);
            std::iota(all.begin(), all.end(), 0u);
            referenceSplit(pois, all, expected);

            for (bool twoThreads : {false, true}) {
                AreaSplit split = splitIntoAreas(pois, GPIWriter::maxWaypointsPerArea, twoThreads);
                std::vector<std::vector<std::uint32_t>> actual;
                std::uint32_t begin = 0;
                for (std::uint32_t end : split.areaEnds) {
                    actual.emplace_back();
                    for (std::uint32_t k = begin; k < end; ++k)
                        actual.back().push_back(split.members[k].index);
                    begin = end;
                }
                EXPECT_EQ(actual, expected)
                    << n << " POIs, " << distinctValues << " values, two threads " << twoThreads;
            }
        }
    }
}
