#include "cli/CommonOptions.h"

#include "cli/Environment.h"
#include "cli/Printing.h"
#include "core/io/ReadFile.h"
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

std::optional<InputKind> formatOption(const Arguments& args) {
    auto value = args.value("format");
    if (!value)
        return std::nullopt;
    if (*value == "csv")
        return InputKind::csv;
    if (*value == "gpx")
        return InputKind::gpx;
    if (*value == "geojson")
        return InputKind::geojson;
    throw UsageError("--format must be csv, gpx or geojson");
}

InputKind inputKind(const std::string& path, std::optional<InputKind> format) {
    if (format)
        return *format;
    return inputKindOf(path);
}

ImportResult importInput(const std::string& path, InputKind kind, SpeedUnit speedUnit,
                         Streams& io) {
    constexpr std::uintmax_t largeFile = 8'000'000;
    std::error_code ignored;
    // Only files have a size to tell beforehand; "-" is standard input, not a file of that name.
    if (io.errIsTerminal && path != standardInputName &&
        std::filesystem::file_size(path, ignored) >= largeFile && !ignored)
        io.err << "Reading " << printable(path) << "…\n";
    return importBytes(readCommandLineInput(path), kind, speedUnit);
}

void printIssues(Streams& io, const std::string& path, const ImportResult& result) {
    for (const ImportIssue& issue : result.issues)
        io.err << printable(path) << ": " << printable(issue.text()) << '\n';
}

} // namespace marklode::cli
