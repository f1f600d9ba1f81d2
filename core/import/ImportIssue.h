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

// An icon a source gives one of its categories: the image file's bytes as they were stored,
// decoded only when the category is written.
struct CategoryImage {
    std::string category;
    std::vector<std::uint8_t> bytes;
    bool operator==(const CategoryImage&) const = default;
};

struct ImportResult {
    std::vector<POI> pois;
    std::vector<ImportIssue> issues;
    std::vector<CategoryImage> categoryImages{};
    bool operator==(const ImportResult&) const = default;
};

} // namespace marklode
