#pragma once

#include "core/import/ImportIssue.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace marklode {

// A zip archive around a KML document (doc.kml, else the first .kml at its root) and the images
// it uses. The document is read as it inflates, never held whole. A category whose placemarks
// all show one image of the archive gets that image.
class KMZImporter {
  public:
    struct Limits {
        std::uint64_t documentBytes = std::uint64_t{1} << 30;
        std::uint64_t imageBytes = std::uint64_t{1} << 20; // a larger image is left out
    };

    KMZImporter() = default;
    explicit KMZImporter(Limits limits) : limits(limits) {}

    // Throws FileError for read failures, ImportError::invalidKMZ for an archive without a
    // usable document and ImportError::invalidXML (kmlInKMZ) for a broken one.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;

  private:
    Limits limits;
};

} // namespace marklode
