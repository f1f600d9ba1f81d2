#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/XMLEventParser.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace marklode {

class GPXImporter {
  public:
    // Throws FileError for read failures, ImportError::invalidXML for broken XML.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;

    static constexpr std::int64_t maximumDepth = XMLEventParser::maximumDepth;
    static constexpr std::int64_t maximumEntityDeclarations =
        XMLEventParser::maximumEntityDeclarations;
};

} // namespace marklode
