#include "rules/MarklodeWriters.h"

namespace marklode {

namespace {

constexpr const char* languageCode = "EN";
constexpr const char* creatorName = "Marklode";
// Unused by a multi-category file, but the writer carries one.
constexpr const char* deviceFileCategoryName = "Marklode";

} // namespace

GPIWriter ownFileWriter(std::string categoryName, std::optional<GPIIcon> icon,
                        std::optional<GPIWriter::TimePoint> timestamp) {
    return GPIWriter{std::move(categoryName), languageCode, creatorName, std::move(icon),
                     timestamp};
}

GPIWriter deviceFileWriter(std::optional<GPIWriter::TimePoint> timestamp) {
    return GPIWriter{deviceFileCategoryName, languageCode, creatorName, std::nullopt, timestamp};
}

} // namespace marklode
