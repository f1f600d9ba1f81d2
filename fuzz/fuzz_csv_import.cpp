#include "core/import/CSVImporter.h"
#include "core/import/ImportError.h"
#include "fuzz/DetailsInvariant.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace marklode;

// The invariants every importer result keeps, whatever the input.
static void check(const ImportResult& result) {
    for (const POI& poi : result.pois) {
        if (!(std::fabs(poi.latitude) <= 90) || !(std::fabs(poi.longitude) <= 180) ||
            poi.name.empty() || (poi.comment && poi.comment->empty()) ||
            (poi.speedKmh && !(*poi.speedKmh > 0)) || poi.proximityMeters || !detailsAreSound(poi))
            std::abort();
    }
    for (const ImportIssue& issue : result.issues)
        if (issue.line < 1 || issue.message.empty())
            std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CSVImporter importer(size % 2 ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour);
    try {
        check(importer.importData(bytes));
    } catch (const ImportError&) {
        if (CSVImporter::decodeText(bytes))
            std::abort();
    }
    // The public tokenizer and the import path share one tokenizer; both must survive raw bytes.
    std::size_t records = CSVImporter::tokenize(bytes).size();
    ImportResult raw = importer.importText(bytes);
    check(raw);
    if (raw.pois.size() + raw.issues.size() > records)
        std::abort();
    return 0;
}
