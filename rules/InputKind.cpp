#include "rules/InputKind.h"

#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"
#include "core/import/GeoJSONImporter.h"
#include "core/import/KMLImporter.h"
#include "core/import/KMZImporter.h"
#include "core/text/TextClasses.h"

#include <utility>

namespace marklode {

namespace {

const InputKindRow* rowOf(const std::filesystem::path& path) {
    std::string extension = lowercased(path.extension().string());
    for (const InputKindRow& row : inputKinds)
        if (row.extension == extension)
            return &row;
    return nullptr;
}

const InputKindRow& rowOf(InputKind kind) {
    for (const InputKindRow& row : inputKinds)
        if (row.kind == kind)
            return row;
    return inputKinds[0];
}

} // namespace

InputKind inputKindOf(const std::filesystem::path& path) {
    const InputKindRow* row = rowOf(path);
    return row ? row->kind : InputKind::csv;
}

bool hasInputExtension(const std::filesystem::path& path, InputOrigin origin) {
    const InputKindRow* row = rowOf(path);
    return row && (origin == InputOrigin::named || row->takenFromFolders);
}

ProximityMode defaultProximityMode(InputKind kind) {
    return rowOf(kind).defaultProximityMode;
}

CategoryMode defaultCategoryMode(InputKind kind) {
    return rowOf(kind).defaultCategoryMode;
}

ImportResult importData(std::string_view bytes, InputKind kind, SpeedUnit speedUnit) {
    switch (kind) {
    case InputKind::gpx:
        return GPXImporter().importData(bytes);
    case InputKind::kml:
        return KMLImporter().importData(bytes);
    case InputKind::kmz:
        return KMZImporter().importData(bytes);
    case InputKind::geojson:
        return GeoJSONImporter().importData(bytes);
    case InputKind::csv:
        break;
    }
    return CSVImporter(speedUnit).importData(bytes);
}

ImportResult importBytes(std::string bytes, InputKind kind, SpeedUnit speedUnit) {
    if (kind == InputKind::geojson)
        return GeoJSONImporter().importOwnedData(std::move(bytes));
    return importData(bytes, kind, speedUnit);
}

} // namespace marklode
