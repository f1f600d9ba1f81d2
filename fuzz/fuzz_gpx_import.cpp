#include "core/import/GPXImporter.h"
#include "core/import/ImportError.h"
#include "fuzz/DetailsInvariant.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

using namespace marklode;

namespace {

struct Outcome {
    std::optional<ImportResult> result;
    std::optional<ImportError> error;
};

Outcome import(const GPXImporter& importer, std::string_view bytes) {
    try {
        return {importer.importData(bytes), std::nullopt};
    } catch (const ImportError& error) {
        return {std::nullopt, error};
    }
}

} // namespace

// Any input big enough is read in two parts where it splits: that must change nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Outcome inOneGo = import(GPXImporter(std::numeric_limits<std::size_t>::max()), bytes);
    Outcome inParts = import(GPXImporter(1), bytes);
    if (inOneGo.result != inParts.result || inOneGo.error != inParts.error)
        std::abort();
    if (inOneGo.result)
        for (const POI& poi : inOneGo.result->pois)
            if (!(std::fabs(poi.latitude) <= 90) || !(std::fabs(poi.longitude) <= 180) ||
                poi.name.empty() || (poi.comment && poi.comment->empty()) || poi.speedKmh ||
                (poi.proximityMeters && !(*poi.proximityMeters >= 0)) || !detailsAreSound(poi))
                std::abort();
    if (inOneGo.error) {
        const auto* invalid = std::get_if<ImportError::InvalidXML>(&inOneGo.error->kind);
        if (!invalid || invalid->message.empty())
            std::abort();
    }
    return 0;
}
