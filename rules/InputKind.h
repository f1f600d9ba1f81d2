#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"
#include "rules/ExportSettings.h"

#include <filesystem>
#include <string_view>

namespace marklode {

enum class InputKind { csv, gpx, kml, kmz };

struct InputKindRow {
    InputKind kind;
    std::string_view extension; // lower-cased
    ProximityMode defaultProximityMode;
    CategoryMode defaultCategoryMode;
};

// CSV and KML files carry no distances, so their alerts start off. CSV and GPX files were
// always one category each, and stay so unless the user asks; KML folders are categories.
inline constexpr InputKindRow inputKinds[] = {
    {InputKind::csv, ".csv", ProximityMode::off, CategoryMode::oneForFile},
    {InputKind::gpx, ".gpx", ProximityMode::fromFile, CategoryMode::oneForFile},
    {InputKind::kml, ".kml", ProximityMode::off, CategoryMode::fromFile},
    {InputKind::kmz, ".kmz", ProximityMode::off, CategoryMode::fromFile},
};

// By the lower-cased extension; a file of any other name is read as CSV.
InputKind inputKindOf(const std::filesystem::path& path);

// Whether a file added by its name, or found in an added folder, is taken as an input.
bool hasInputExtension(const std::filesystem::path& path);

ProximityMode defaultProximityMode(InputKind kind);
CategoryMode defaultCategoryMode(InputKind kind);

// The file's bytes through its kind's importer; speeds in CSV names are in `speedUnit`.
// Throws what the importers throw.
ImportResult importData(std::string_view bytes, InputKind kind, SpeedUnit speedUnit);

} // namespace marklode
