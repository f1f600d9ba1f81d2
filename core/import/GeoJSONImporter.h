#pragma once

#include "core/import/ImportIssue.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marklode {

// Point and MultiPoint features of a FeatureCollection, or of a single Feature. Features that
// can't be used become issues told by their position in the collection.
class GeoJSONImporter {
  public:
    // Throws FileError for read failures and files of 4 GiB or more; ImportError::invalidJSON,
    // jsonNotUTF8 or notGeoJSON for a file that is not GeoJSON.
    ImportResult importFile(const std::filesystem::path& path) const;
    // Copies the bytes, for the parser needs spare room after them.
    ImportResult importData(std::string_view bytes) const;
    // Parses the bytes where they are, making room after them only when there is too little,
    // and gives the memory of a large file back as the parse passes it.
    ImportResult importOwnedData(std::string bytes) const;
};

} // namespace marklode
