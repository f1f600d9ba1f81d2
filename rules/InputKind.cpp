#include "rules/InputKind.h"

#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"
#include "core/import/KMLImporter.h"
#include "core/import/KMZImporter.h"
#include "core/text/TextClasses.h"

#include <cstddef>
#include <string>

namespace marklode {

namespace {

const InputKindRow* rowOf(const std::filesystem::path& path) {
    std::string extension = lowercased(path.extension().string());
    for (const InputKindRow& row : inputKinds)
        if (row.extension == extension)
            return &row;
    return nullptr;
}

// The table is in the enum's order, so a kind's row is found by its value.
static_assert(inputKinds[static_cast<std::size_t>(InputKind::csv)].kind == InputKind::csv);
static_assert(inputKinds[static_cast<std::size_t>(InputKind::gpx)].kind == InputKind::gpx);
static_assert(inputKinds[static_cast<std::size_t>(InputKind::kml)].kind == InputKind::kml);
static_assert(inputKinds[static_cast<std::size_t>(InputKind::kmz)].kind == InputKind::kmz);

} // namespace

InputKind inputKindOf(const std::filesystem::path& path) {
    const InputKindRow* row = rowOf(path);
    return row ? row->kind : InputKind::csv;
}

bool hasInputExtension(const std::filesystem::path& path) {
    return rowOf(path) != nullptr;
}

ProximityMode defaultProximityMode(InputKind kind) {
    return inputKinds[static_cast<std::size_t>(kind)].defaultProximityMode;
}

CategoryMode defaultCategoryMode(InputKind kind) {
    return inputKinds[static_cast<std::size_t>(kind)].defaultCategoryMode;
}

ImportResult importData(std::string_view bytes, InputKind kind, SpeedUnit speedUnit) {
    switch (kind) {
    case InputKind::gpx:
        return GPXImporter().importData(bytes);
    case InputKind::kml:
        return KMLImporter().importData(bytes);
    case InputKind::kmz:
        return KMZImporter().importData(bytes);
    case InputKind::csv:
        break;
    }
    return CSVImporter(speedUnit).importData(bytes);
}

} // namespace marklode
