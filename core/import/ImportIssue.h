#pragma once

#include "core/import/POI.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marklode {

struct ImportIssue {
    std::int64_t line = 0;
    std::string message;

    // "Line N: message"
    std::string text() const;
    bool operator==(const ImportIssue&) const = default;
};

struct ImportResult {
    std::vector<POI> pois;
    std::vector<ImportIssue> issues;
    bool operator==(const ImportResult&) const = default;
};

} // namespace marklode
