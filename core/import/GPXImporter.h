#pragma once

#include "core/import/ImportIssue.h"

#include <filesystem>
#include <string_view>

namespace marklode {

class GPXImporter {
  public:
    // Throws FileError for read failures, ImportError::invalidXML for broken XML.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;
};

} // namespace marklode
