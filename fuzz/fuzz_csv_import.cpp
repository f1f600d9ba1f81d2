#include "core/import/CSVImporter.h"
#include "core/import/ImportError.h"
#include "core/text/NumberSyntax.h"
#include "fuzz/DetailsInvariant.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
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

// The number parser, quick path included, must read every text bit for bit as strtod does.
static void checkNumber(std::string_view text) {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string copy(text);
    char* end = nullptr;
    const double expected = ::strtod_l(copy.c_str(), &end, c);
    const bool whole = !text.empty() && !std::isspace(static_cast<unsigned char>(text[0])) &&
                       end == copy.c_str() + copy.size();
    const std::optional<double> parsed = parseNumber(text);
    if (parsed.has_value() != whole)
        std::abort();
    if (parsed && !(std::isnan(*parsed) && std::isnan(expected)) &&
        std::memcmp(&*parsed, &expected, sizeof expected) != 0)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkNumber(bytes.substr(0, 64));
    CSVImporter importer(size % 2 ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour);
    importer.parallelFromBytes = SIZE_MAX;
    // In parts wherever the input can be cut, which must change nothing.
    CSVImporter inParts = importer;
    inParts.parallelFromBytes = 0;
    inParts.parallelParts = 2 + size % 3;
    try {
        ImportResult result = importer.importData(bytes);
        check(result);
        if (!(inParts.importData(bytes) == result))
            std::abort();
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
    if (!(inParts.importText(bytes) == raw))
        std::abort();
    return 0;
}
