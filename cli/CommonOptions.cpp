#include "cli/CommonOptions.h"

#include "cli/Environment.h"
#include "cli/Printing.h"
#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"
#include "core/text/TextClasses.h"
#include "rules/ExportSettings.h"

#include <filesystem>
#include <ostream>

namespace marklode::cli {

SpeedUnit speedUnitOption(const Arguments& args) {
    auto value = args.value("speed-unit");
    if (!value)
        return defaultSpeedUnit(environmentRegion());
    if (*value == "kmh")
        return SpeedUnit::kilometersPerHour;
    if (*value == "mph")
        return SpeedUnit::milesPerHour;
    throw UsageError("--speed-unit must be kmh or mph");
}

bool isGPXPath(const std::string& path) {
    return lowercased(std::filesystem::path(path).extension().string()) == ".gpx";
}

ImportResult importInput(const std::string& path, SpeedUnit speedUnit, Streams& io) {
    constexpr std::uintmax_t largeFile = 8'000'000;
    std::error_code ignored;
    if (io.errIsTerminal && std::filesystem::file_size(path, ignored) >= largeFile && !ignored)
        io.err << "Reading " << printable(path) << "…\n";
    if (isGPXPath(path))
        return GPXImporter().importFile(path);
    return CSVImporter(speedUnit).importFile(path);
}

void printIssues(Streams& io, const std::string& path, const ImportResult& result) {
    for (const ImportIssue& issue : result.issues)
        io.err << printable(path) << ": " << printable(issue.text()) << '\n';
}

} // namespace marklode::cli
