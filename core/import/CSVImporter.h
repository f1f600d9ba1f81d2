#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

class CSVImporter {
  public:
    struct Row {
        std::int64_t line = 0;
        std::vector<std::string> fields;
        bool operator==(const Row&) const = default;
    };

    explicit CSVImporter(SpeedUnit speedUnit) : speedUnit(speedUnit) {}

    // Throws FileError for read failures, ImportError::unreadableText for undecodable text.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;
    ImportResult importText(std::string_view utf8) const;

    // UTF-8 text, or nothing when the bytes decode neither as UTF-8 nor as Windows-1252.
    static std::optional<std::string> decodeText(std::string_view bytes);
    static std::vector<Row> tokenize(std::string_view utf8);

    SpeedUnit speedUnit;
};

} // namespace marklode
