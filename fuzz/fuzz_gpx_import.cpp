#include "core/import/GPXImporter.h"
#include "core/import/ImportError.h"
#include "fuzz/DetailsInvariant.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace marklode;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        ImportResult result = GPXImporter().importData(bytes);
        for (const POI& poi : result.pois)
            if (!(std::fabs(poi.latitude) <= 90) || !(std::fabs(poi.longitude) <= 180) ||
                poi.name.empty() || (poi.comment && poi.comment->empty()) || poi.speedKmh ||
                (poi.proximityMeters && !(*poi.proximityMeters >= 0)) || !detailsAreSound(poi))
                std::abort();
    } catch (const ImportError& error) {
        const auto* invalid = std::get_if<ImportError::InvalidXML>(&error.kind);
        if (!invalid || invalid->message.empty())
            std::abort();
    }
    return 0;
}
