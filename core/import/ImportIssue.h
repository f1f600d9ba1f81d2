#pragma once

#include "core/import/POIStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marklode {

struct ImportIssue {
    // Text files are told by their lines; a GeoJSON file by its features, which a line may
    // hold many of or one spread over many.
    enum class Place { line, feature };

    std::int64_t line = 0; // the line, or the feature's 1-based position where place says so
    std::string message;   // in English, as machine-readable output keeps it
    Place place = Place::line;
    // The message's template, marked for translation, and what fills its placeholders; without
    // one the message is shown as it is.
    const char* reason = nullptr;
    std::vector<std::string> arguments{};

    static ImportIssue because(std::int64_t line, const char* reason,
                               std::vector<std::string> arguments = {}, Place place = Place::line);

    // The message in the user's language.
    std::string translatedMessage() const;
    // "Line N: message" or "Feature N: message", in the user's language
    std::string text() const;
    // The template and its arguments are what the message says.
    bool operator==(const ImportIssue& other) const {
        return line == other.line && message == other.message && place == other.place;
    }
};

// An icon a source gives one of its categories: the image file's bytes as they were stored,
// decoded only when the category is written.
struct CategoryImage {
    std::string category;
    std::vector<std::uint8_t> bytes;
    bool operator==(const CategoryImage&) const = default;
};

struct ImportResult {
    POIStore pois;
    std::vector<ImportIssue> issues;
    std::vector<CategoryImage> categoryImages{};
    bool operator==(const ImportResult&) const = default;
};

// Joins the import of a file's later part to that of the part before it, as if the file had been
// imported in one go: `lineShift` lines came before the later part, whose issues are told by
// line.
void appendImport(ImportResult& into, ImportResult later, std::int64_t lineShift);

} // namespace marklode
