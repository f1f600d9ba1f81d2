#include "cli/CommonOptions.h"

#include "cli/Environment.h"
#include "cli/Printing.h"
#include "core/io/ReadFile.h"
#include "core/text/Translation.h"
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
    throw UsageError(translate("CliOptions", "--speed-unit must be kmh or mph"));
}

std::optional<InputKind> formatOption(const Arguments& args) {
    auto value = args.value("format");
    if (!value)
        return std::nullopt;
    // A kind is named by its first extension: "json" is only another name for GeoJSON files.
    const InputKindRow* previous = nullptr;
    for (const InputKindRow& row : inputKinds) {
        if ((!previous || previous->kind != row.kind) && *value == row.extension.substr(1))
            return row.kind;
        previous = &row;
    }
    throw UsageError(translate("CliOptions", "--format must be csv, gpx, kml, kmz or geojson"));
}

std::optional<CategoryMode> categoryModeOption(const Arguments& args) {
    auto value = args.value("categories");
    if (!value)
        return std::nullopt;
    if (*value == "one")
        return CategoryMode::oneForFile;
    if (*value == "from-file")
        return CategoryMode::fromFile;
    throw UsageError(translate("CliOptions", "--categories must be one or from-file"));
}

CategoryMode categoryMode(InputKind kind, std::optional<CategoryMode> mode) {
    return mode.value_or(defaultCategoryMode(kind));
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
        io.err << formatted(translate("CliOptions", "Reading %1…"), {printable(path)}) << '\n';
    // GeoJSON is parsed where it lies, in memory it gives back as the parse passes it.
    if (kind == InputKind::geojson)
        return importBytes(readCommandLineInput(path), kind, speedUnit);
    // The bytes, mapped or read, are let go as soon as the import returns.
    return importData(loadCommandLineInput(path).view(), kind, speedUnit);
}

void printIssues(Streams& io, const std::string& path, const ImportResult& result) {
    // Standard error is unbuffered: written line by line, thousands of skipped rows would cost a
    // system call each. Gathered, they go out in a few large writes.
    constexpr std::size_t flushAt = 1 << 16;
    const std::string subject = printable(path) + ": ";
    std::string lines;
    for (const ImportIssue& issue : result.issues) {
        lines += subject;
        lines += printable(issue.text());
        lines += '\n';
        if (lines.size() >= flushAt) {
            io.err << lines;
            lines.clear();
        }
    }
    io.err << lines;
}

} // namespace marklode::cli
