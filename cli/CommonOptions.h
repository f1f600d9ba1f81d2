#pragma once

#include "cli/Command.h"
#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"
#include "rules/InputKind.h"

#include <optional>
#include <string>

namespace marklode::cli {

// --speed-unit kmh|mph, defaulting by the locale rule.
SpeedUnit speedUnitOption(const Arguments& args);

// --format csv|gpx|kml|kmz|geojson, for inputs whose names don't tell (standard input, a pipe);
// nothing when not given.
std::optional<InputKind> formatOption(const Arguments& args);

// --categories one|from-file; nothing when not given.
std::optional<CategoryMode> categoryModeOption(const Arguments& args);

// The given mode, else the input kind's default.
CategoryMode categoryMode(InputKind kind, std::optional<CategoryMode> mode);

// The given format, else by the lower-cased extension (".gpx", ".kml", ".kmz", ".geojson" and
// ".json"); any other file is CSV.
InputKind inputKind(const std::string& path, std::optional<InputKind> format);

// Imports an input read by readCommandLineInput. Throws what the importers throw.
// Announces large files on a terminal's standard error, since they take a moment.
ImportResult importInput(const std::string& path, InputKind kind, SpeedUnit speedUnit, Streams& io);

// Skipped rows are warnings, not failures: "FILE: Line N: MESSAGE" on standard error, "Feature N"
// for GeoJSON.
void printIssues(Streams& io, const std::string& path, const ImportResult& result);

} // namespace marklode::cli
