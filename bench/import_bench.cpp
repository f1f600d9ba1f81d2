#include "bench/GenData.h"
#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"
#include "core/import/GeoJSONImporter.h"
#include "core/import/KMLImporter.h"
#include "core/import/KMZImporter.h"
#include "core/io/ReadFile.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <zip.h>

// Input files come from MARKLODE_BENCH_CSV / _GPX / _KML / _GEOJSON, or are
// generated in memory with MARKLODE_BENCH_ROWS rows (default one million). The KMZ is the KML
// deflated into an archive in memory. POIs per second (items) compare the formats fairly.

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

const std::string& kmlInput() {
    static const std::string bytes = input("MARKLODE_BENCH_KML", marklode::bench::writeKML);
    return bytes;
}

std::string zipped(const std::string& name, const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_file_add(archive, name.c_str(), zip_source_buffer(archive, bytes.data(), bytes.size(), 0),
                 0);
    zip_close(archive);
    std::string out;
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    out.resize(static_cast<std::size_t>(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, out.data(), out.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    return out;
}

const std::string& kmzInput() {
    static const std::string bytes = zipped("doc.kml", kmlInput());
    return bytes;
}

const std::string& geojsonInput() {
    static const std::string bytes = input("MARKLODE_BENCH_GEOJSON", marklode::bench::writeGeoJSON);
    return bytes;
}

void countPOIs(benchmark::State& state, std::size_t pois, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pois));
    state.counters["input_MB"] = static_cast<double>(bytes) / 1e6;
}

template <typename Importer>
void measure(benchmark::State& state, const Importer& importer, const std::string& bytes) {
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

void kmlImport(benchmark::State& state) {
    measure(state, marklode::KMLImporter(), kmlInput());
}

void kmzImport(benchmark::State& state) {
    measure(state, marklode::KMZImporter(), kmzInput());
}

// In parts on every core, as the CLI and the window import.
void csvImport(benchmark::State& state) {
    const std::string& bytes = csvInput();
    measure(state, marklode::CSVImporter(marklode::SpeedUnit::kilometersPerHour), bytes);
}

void csvImportOneThread(benchmark::State& state) {
    const std::string& bytes = csvInput();
    marklode::CSVImporter importer(marklode::SpeedUnit::kilometersPerHour);
    importer.parallelFromBytes = SIZE_MAX;
    measure(state, importer, bytes);
}

void gpxImport(benchmark::State& state) {
    const std::string& bytes = gpxInput();
    measure(state, marklode::GPXImporter(), bytes);
}

} // namespace

// CPU time of every thread; the bytes and items rates of the parallel rows follow the wall clock.
BENCHMARK(csvImport)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(csvImportOneThread)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(gpxImport)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(kmlImport)->Unit(benchmark::kMillisecond);
BENCHMARK(kmzImport)->Unit(benchmark::kMillisecond);
BENCHMARK(geojsonImport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
