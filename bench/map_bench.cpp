#include "ui/map/ClusterIndex.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

using namespace marklode::map;

namespace {

// Uniform over the world: nothing merges at the high zooms, so every level holds nearly all
// points, the costliest spread for the index.
const std::vector<WorldPoint>& randomPoints(std::size_t count) {
    static std::vector<WorldPoint> points;
    if (points.size() != count) {
        std::mt19937_64 random(2024);
        std::uniform_real_distribution<double> unit(0, 1);
        points.resize(count);
        for (WorldPoint& p : points) {
            p = {unit(random), unit(random)};
        }
    }
    return points;
}

void buildClusterIndex(benchmark::State& state) {
    const std::vector<WorldPoint>& points = randomPoints(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ClusterIndex index(points);
        benchmark::DoNotOptimize(&index);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Baseline: one sort of the same points, for a feel of what a single pass over them costs here.
void sortPoints(benchmark::State& state) {
    const std::vector<WorldPoint>& points = randomPoints(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<WorldPoint> copy = points;
        state.ResumeTiming();
        std::sort(copy.begin(), copy.end(), [](const WorldPoint& a, const WorldPoint& b) {
            return a.x < b.x || (a.x == b.x && a.y < b.y);
        });
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(buildClusterIndex)->Arg(2'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortPoints)->Arg(2'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
