#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
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

    // Which field holds which value; the default is the column order of a file without header.
    // Only a header can name the columns of a POI's details.
    struct ColumnMap {
        std::size_t longitude = 0;
        std::size_t latitude = 1;
        std::size_t name = 2;
        std::optional<std::size_t> comment = 3;
        std::optional<std::size_t> category{};
        std::optional<std::size_t> street{};
        std::optional<std::size_t> city{};
        std::optional<std::size_t> region{};
        std::optional<std::size_t> postalCode{};
        std::optional<std::size_t> country{};
        std::optional<std::size_t> phone{};

        bool hasDetails() const {
            return category || street || city || region || postalCode || country || phone;
        }
        bool operator==(const ColumnMap&) const = default;
    };

    struct SpeedSplit {
        std::string_view name;
        double speed = 0;
        bool operator==(const SpeedSplit&) const = default;
    };

    explicit CSVImporter(SpeedUnit speedUnit) : speedUnit(speedUnit) {}

    // Throws FileError for read failures, ImportError::unreadableText for undecodable text.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;
    ImportResult importText(std::string_view utf8) const;

    // UTF-8 text, or nothing when the bytes decode neither as UTF-8 nor as Windows-1252.
    static std::optional<std::string> decodeText(std::string_view bytes);
    static std::vector<Row> tokenize(std::string_view utf8);

    // Takes trimmed fields; nothing when a required column has no name.
    static std::optional<ColumnMap> readHeader(std::span<const std::string_view> trimmedFields);
    // A trailing "@" and whole number > 0 in the unit of the file; the views point into name.
    static std::optional<SpeedSplit> parseSpeedSuffix(std::string_view name);

    SpeedUnit speedUnit;
    // Texts from this size on are parsed in parts at once, one per core unless parallelParts
    // says how many.
    std::size_t parallelFromBytes = std::size_t{1} << 20;
    std::size_t parallelParts = 0;

  private:
    std::size_t partCount() const;
};

} // namespace marklode
