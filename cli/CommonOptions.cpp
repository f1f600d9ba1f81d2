#include "cli/CommonOptions.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "app/ExportSettings.h"
#include "cli/Environment.h"
#include "core/import/CSVImporter.h"
#include "core/import/GPXImporter.h"

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

ImportResult importInput(const std::string& path, SpeedUnit speedUnit) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".gpx")
        return GPXImporter().importFile(path);
    return CSVImporter(speedUnit).importFile(path);
}

void printIssues(Streams& io, const std::string& path, const ImportResult& result) {
    for (const ImportIssue& issue : result.issues)
        io.err << path << ": " << issue.text() << '\n';
}

} // namespace marklode::cli
