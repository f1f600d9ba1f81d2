#include "core/gpi/GPIWriter.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace marklode;

namespace {

// A million POIs spread over Europe with names of about 20 characters, a third with
// comments, some with alerts, a few accented names (the file stays Windows-1252).
POIStore europeanPOIs(std::size_t count) {
    std::mt19937_64 random(2024);
    std::uniform_real_distribution<double> latitude(36.0, 70.0), longitude(-10.0, 30.0);
    const char* const places[] = {
        "Bahnhof",        "Marktplatz", "Rathaus", "Café Zentral", "Kirche St. Peter",
        "Parkplatz Nord", "Tankstelle", "Museum",  "Brücke",       "Hafen"};
    POIStore pois;
    pois.reserve(count, count * 30);
    for (std::size_t i = 0; i < count; ++i) {
        POI poi{latitude(random),
                longitude(random),
                std::string(places[i % 10]) + " " + std::to_string(100000 + i),
                std::nullopt,
                std::nullopt,
                std::nullopt};
        if (i % 3 == 0)
            poi.comment = "Geöffnet täglich 8-20 Uhr";
        if (i % 10 == 0)
            poi.speedKmh = 30 + static_cast<double>(i % 9) * 10;
        if (i % 15 == 0)
            poi.proximityMeters = 100 + static_cast<double>(i % 400);
        pois.push_back(poi);
    }
    return pois;
}

void serialiseMillionPOIs(benchmark::State& state) {
    // Built once, as an import hands it over, so that only the writer is measured.
    static const POIStore pois = europeanPOIs(1'000'000);
    GPIWriter writer{"Europe", "EN", "Marklode", std::nullopt,
                     GPIWriter::TimePoint(std::chrono::seconds(1700000000))};
    std::size_t outputSize = 0;
    for (auto _ : state) {
        Bytes bytes = writer.dataFor(pois);
        outputSize = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * outputSize));
    state.counters["output_bytes"] = static_cast<double>(outputSize);
}

} // namespace

BENCHMARK(serialiseMillionPOIs)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
