#include "bench/GenData.h"
#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"
#include "core/io/ReadFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Input files come from MARKLODE_BENCH_CSV / MARKLODE_BENCH_GPX, or are generated in memory
// with MARKLODE_BENCH_ROWS rows (default one million).

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

void csvImport(benchmark::State& state) {
    const std::string& bytes = csvInput();
    marklode::CSVImporter importer(marklode::SpeedUnit::kilometersPerHour);
    for (auto _ : state) {
        marklode::ImportResult result = importer.importData(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["input_MB"] = static_cast<double>(bytes.size()) / 1e6;
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
BENCHMARK_MAIN();
