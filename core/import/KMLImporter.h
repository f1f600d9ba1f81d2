#pragma once

#include "core/import/ImportIssue.h"

#include <filesystem>
#include <string_view>

namespace marklode {

// Placemarks with points become POIs, named folders their categories; every other placemark is
// an issue. Icons are not read: a plain document's hrefs name files elsewhere.
class KMLImporter {
  public:
    // Throws FileError for read failures, ImportError::invalidXML for broken XML.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;
};

} // namespace marklode
