#pragma once

#include "cli/Command.h"
#include "core/import/ImportIssue.h"
#include "core/import/SpeedUnit.h"

#include <string>

namespace marklode::cli {

// --speed-unit kmh|mph, defaulting by the locale rule.
SpeedUnit speedUnitOption(const Arguments& args);

// True when the lower-cased extension is ".gpx"; every other file is read as CSV.
bool isGPXPath(const std::string& path);

// Imports a CSV or GPX file, chosen by its lower-cased extension. Throws what the importers throw.
// Announces large files on a terminal's standard error, since they take a moment.
ImportResult importInput(const std::string& path, SpeedUnit speedUnit, Streams& io);

// Skipped rows are warnings, not failures: "FILE: Line N: MESSAGE" on standard error.
void printIssues(Streams& io, const std::string& path, const ImportResult& result);

} // namespace marklode::cli
