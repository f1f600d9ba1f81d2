#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"
#include "rules/ExportSettings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marklode {

enum class InputKind { csv, gpx, kml, kmz, geojson };

struct InputKindRow {
    InputKind kind;
    std::string_view extension; // lower-cased
    ProximityMode defaultProximityMode;
    CategoryMode defaultCategoryMode;
    // Whether a file of this name found in an added folder is taken, not only one added by
    // its name: ".json" names settings and manifests far more often than POIs.
    bool takenFromFolders;
};

// CSV and KML files carry no distances, so their alerts start off. CSV and GPX files were
// always one category each, and stay so unless the user asks; KML folders and GeoJSON features
// name their own. A kind's first row gives its defaults.
inline constexpr InputKindRow inputKinds[] = {
    {InputKind::csv, ".csv", ProximityMode::off, CategoryMode::oneForFile, true},
    {InputKind::gpx, ".gpx", ProximityMode::fromFile, CategoryMode::oneForFile, true},
    {InputKind::kml, ".kml", ProximityMode::off, CategoryMode::fromFile, true},
    {InputKind::kmz, ".kmz", ProximityMode::off, CategoryMode::fromFile, true},
    {InputKind::geojson, ".geojson", ProximityMode::off, CategoryMode::fromFile, true},
    {InputKind::geojson, ".json", ProximityMode::off, CategoryMode::fromFile, false},
};

// By the lower-cased extension; a file of any other name is read as CSV.
InputKind inputKindOf(const std::filesystem::path& path);

// How a file came to be added: by its name, or found in a folder that was.
enum class InputOrigin { named, foundInFolder };

// Whether the file is taken as an input.
bool hasInputExtension(const std::filesystem::path& path, InputOrigin origin = InputOrigin::named);

ProximityMode defaultProximityMode(InputKind kind);
CategoryMode defaultCategoryMode(InputKind kind);

// The file's bytes through its kind's importer; speeds in CSV names are in `speedUnit`.
// Throws what the importers throw.
ImportResult importData(std::string_view bytes, InputKind kind, SpeedUnit speedUnit);
// The same, taking the bytes over, which spares a large GeoJSON file a copy.
ImportResult importBytes(std::string bytes, InputKind kind, SpeedUnit speedUnit);

} // namespace marklode
