#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace marklode::csv {

// Where a text may be cut into at most `count` parts of about equal size: each cut just after
// the first line feed past an equal share. The guess that the line feed ends a row is checked
// by the parse. Ascending offsets, none at the end of the text.
std::vector<std::size_t> cutPoints(std::string_view text, std::size_t count);

struct PartsImport {
    // Nothing when the text must be parsed in one go instead, or is not UTF-8.
    std::optional<ImportResult> result;
    // Whether the text is valid UTF-8, when the parts were checked.
    std::optional<bool> validUTF8;
};

// Parses the text in up to `count` parts at once, one thread each, with the columns of its first
// row that is not blank. The result equals that of one pass over the text; where the parts
// cannot give it (a cut inside a quoted field, no settled columns in the first part) there is
// none. With `checkUTF8` each part checks its bytes before parsing them.
PartsImport importInParts(std::string_view text, SpeedUnit speedUnit, std::size_t count,
                          bool checkUTF8);

} // namespace marklode::csv
