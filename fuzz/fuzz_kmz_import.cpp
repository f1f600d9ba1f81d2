#include "core/import/ImportError.h"
#include "core/import/KMZImporter.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace marklode;

// Small limits, so that inflating stays quick whatever the archive claims.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const KMZImporter::Limits limits{.documentBytes = 1 << 20, .imageBytes = 4096};
    try {
        ImportResult result = KMZImporter(limits).importData(bytes);
        for (const POI& poi : result.pois)
            if (!(std::fabs(poi.latitude) <= 90) || !(std::fabs(poi.longitude) <= 180) ||
                poi.name.empty())
                std::abort();
        for (const CategoryImage& image : result.categoryImages)
            if (image.bytes.size() > limits.imageBytes)
                std::abort();
    } catch (const ImportError& error) {
        if (std::holds_alternative<ImportError::UnreadableText>(error.kind))
            std::abort();
    }
    return 0;
}
