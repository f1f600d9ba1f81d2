#include "bench/GenData.h"
#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"
#include "core/import/GeoJSONImporter.h"
#include "core/io/ReadFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Input files come from MARKLODE_BENCH_CSV / MARKLODE_BENCH_GPX / MARKLODE_BENCH_GEOJSON, or are
// generated in memory with MARKLODE_BENCH_ROWS rows (default one million).

namespace {

std::int64_t rows() {
    const char* text = std::getenv("MARKLODE_BENCH_ROWS");
    return text ? std::atoll(text) : 1'000'000;
}

std::string input(const char* variable, void (*generate)(std::ostream&, std::int64_t)) {
    if (const char* path = std::getenv(variable))
        return marklode::readFileBytes(path);
    std::ostringstream out;
    generate(out, rows());
    return std::move(out).str();
}

const std::string& csvInput() {
    static const std::string bytes = input("MARKLODE_BENCH_CSV", marklode::bench::writeCSV);
    return bytes;
}

const std::string& gpxInput() {
    static const std::string bytes = input("MARKLODE_BENCH_GPX", marklode::bench::writeGPX);
    return bytes;
}

const std::string& geojsonInput() {
    static const std::string bytes = input("MARKLODE_BENCH_GEOJSON", marklode::bench::writeGeoJSON);
    return bytes;
}

// POIs a second, besides bytes: a GeoJSON file spends more bytes on each POI than a CSV.
void countPOIs(benchmark::State& state, std::size_t pois, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["input_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["pois_per_second"] =
        benchmark::Counter(static_cast<double>(pois) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void csvImport(benchmark::State& state) {
    const std::string& bytes = csvInput();
    marklode::CSVImporter importer(marklode::SpeedUnit::kilometersPerHour);
    std::size_t pois = 0;
    for (auto _ : state) {
        marklode::ImportResult result = importer.importData(bytes);
        pois = result.pois.size();
        benchmark::DoNotOptimize(result);
    }
    countPOIs(state, pois, bytes.size());
}

// From bytes the importer may parse where they are, as the CLI and the window hand them over;
// making that copy is left out of the time.
void geojsonImport(benchmark::State& state) {
    const std::string& bytes = geojsonInput();
    marklode::GeoJSONImporter importer;
    std::size_t pois = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::string owned;
        owned.reserve(bytes.size() + 64);
        owned.assign(bytes);
        state.ResumeTiming();
        marklode::ImportResult result = importer.importOwnedData(std::move(owned));
        pois = result.pois.size();
        benchmark::DoNotOptimize(result);
    }
    countPOIs(state, pois, bytes.size());
}

void gpxImport(benchmark::State& state) {
    const std::string& bytes = gpxInput();
    marklode::GPXImporter importer;
    for (auto _ : state) {
        marklode::ImportResult result = importer.importData(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["input_MB"] = static_cast<double>(bytes.size()) / 1e6;
}

} // namespace

BENCHMARK(csvImport)->Unit(benchmark::kMillisecond);
BENCHMARK(gpxImport)->Unit(benchmark::kMillisecond);
BENCHMARK(geojsonImport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
