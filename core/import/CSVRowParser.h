#pragma once

#include "core/import/CSVImporter.h"
#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace marklode::csv {

// Turns the tokenizer's rows into POIs and issues. The first row that is not blank may be a
// header naming the columns.
class RowParser {
  public:
    // `textSize` is the size of the text the parser's POIs will come from, its own and any
    // appended to them later; room is reserved by that.
    RowParser(SpeedUnit speedUnit, std::size_t textSize)
        : speedUnit(speedUnit), textSize(textSize) {}

    // Parses a later part of a text as if it followed `start` directly: with its columns.
    void continueAfter(const RowParser& start);
    // Whether a row that is not blank has been seen, so the columns are settled.
    bool columnsSettled() const { return seenRow; }

    void operator()(std::int64_t line, std::span<const std::string_view> fields, std::size_t end);

    ImportResult result;

  private:
    void issue(std::int64_t line, const char* reason, std::vector<std::string> arguments = {});
    void parseData(std::int64_t line);
    POIDetails details() const;
    std::string_view detail(std::optional<std::size_t> column) const;
    void reserveMore(std::size_t textsWanted);

    SpeedUnit speedUnit;
    std::size_t textSize;
    std::size_t consumed = 0;
    std::size_t textBytes = 0; // of the POIs' names and comments
    std::size_t textRoom = 0;
    CSVImporter::ColumnMap map;
    std::size_t needed = 3; // fields a data row must have for the map's coordinates and name
    bool hasDetails = false;
    bool seenRow = false;
    // The row's fields trimmed, in room that only grows.
    std::vector<std::string_view> trimmedRoom;
    std::span<const std::string_view> trimmed;
};

} // namespace marklode::csv
