#include "core/import/GeoJSONImporter.h"
#include "core/import/ImportError.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace marklode;

// The copying and the in-place entry must agree, and every POI must be one a writer takes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ImportResult copied;
    try {
        copied = GeoJSONImporter().importData(bytes);
        for (const POI& poi : copied.pois)
            if (!(std::fabs(poi.latitude) <= 90) || !(std::fabs(poi.longitude) <= 180) ||
                poi.name.empty() || (poi.comment && poi.comment->empty()) || poi.speedKmh ||
                poi.proximityMeters)
                std::abort();
        for (const ImportIssue& issue : copied.issues)
            if (issue.place != ImportIssue::Place::feature || issue.line < 1 ||
                issue.message.empty())
                std::abort();
    } catch (const ImportError& error) {
        const auto* invalid = std::get_if<ImportError::InvalidJSON>(&error.kind);
        if (!(invalid ? !invalid->message.empty() && invalid->line >= 0
                      : std::holds_alternative<ImportError::JSONNotUTF8>(error.kind) ||
                            std::holds_alternative<ImportError::NotGeoJSON>(error.kind)))
            std::abort();
        return 0;
    }
    // Exactly as long as its bytes, so that the importer must make room itself.
    std::string owned(bytes);
    owned.shrink_to_fit();
    if (!(GeoJSONImporter().importOwnedData(std::move(owned)) == copied))
        std::abort();
    return 0;
}
