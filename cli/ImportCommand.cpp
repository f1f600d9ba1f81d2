#include "cli/Command.h"
#include "cli/CommonOptions.h"
#include "cli/Json.h"
#include "cli/Printing.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace marklode::cli {

namespace {

constexpr OptionSpec importOptions[] = {
    {"format", 0, true}, {"speed-unit", 0, true}, {"categories", 0, true}, {"json", 0, false}};

// The human form lists this many POIs, then says how many more there are.
constexpr std::size_t listedPOIs = 20;

// A POI's category is shown only where it makes one of the file's categories.
std::string importJson(const ImportResult& result, CategoryMode mode) {
    JsonWriter json;
    json.beginObject().key("pois").beginArray();
    for (const POI& poi : result.pois)
        writePOI(json, poi, mode == CategoryMode::fromFile);
    json.endArray().key("issues").beginArray();
    for (const ImportIssue& issue : result.issues) {
        json.beginObject().key("line").value(issue.line).key("message").value(issue.message);
        // Only where it isn't a line, so that the issues of text files read as they always did.
        if (issue.place == ImportIssue::Place::feature)
            json.key("place").value("feature");
        json.endObject();
    }
    json.endArray().endObject();
    return json.text();
}

void printSummary(std::ostream& out, const std::string& path, const ImportResult& result) {
    //: %1 is a count of POIs ("1 POI", "12 POIs").
    out << printable(path) << ": "
        << formatted(translate("ImportCommand", "%1, %n skipped rows", nullptr,
                               pluralCount(result.issues.size())),
                     {poiCountText(result.pois.size())})
        << '\n';
    std::size_t shown = std::min(result.pois.size(), listedPOIs);
    for (std::size_t i = 0; i < shown; ++i)
        out << "  " << describePOI(result.pois[i]) << '\n';
    if (result.pois.size() > shown)
        out << "  "
            << translate("ImportCommand", "… and %n more", nullptr,
                         pluralCount(result.pois.size() - shown))
            << '\n';
}

class ImportCommand final : public Command {
  public:
    std::string_view name() const override { return "import"; }
    std::string summary() const override {
        return translate("ImportCommand",
                         "read one CSV, GPX, KML, KMZ or GeoJSON file and show its POIs");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "ImportCommand",
            "Usage: marklode-cli import FILE [--format csv|gpx|kml|kmz|geojson]\n"
            "                          [--speed-unit kmh|mph] [--categories one|from-file] "
            "[--json]\n"
            "\n"
            "Reads FILE by its extension: .gpx as GPX, .kml as KML, .kmz as KMZ, .geojson and\n"
            ".json as GeoJSON, else as CSV.\n"
            "FILE - is standard input; a pipe, such as <(command), is read to its end.\n"
            "Rows that cannot be used are listed on standard error as FILE: Line N: MESSAGE\n"
            "(GeoJSON features as FILE: Feature N: MESSAGE, counted from 1).\n"
            "\n"
            "  --format csv|gpx|kml|kmz|geojson\n"
            "                            read FILE as this kind, whatever its name\n"
            "  --speed-unit kmh|mph      unit of \"@\" speeds in CSV names (default by locale)\n"
            "  --categories one|from-file\n"
            "                            one category for the file, or one per category the\n"
            "                            file gives its POIs (default: one for CSV and GPX,\n"
            "                            from-file for KML, KMZ and GeoJSON); the JSON shows a "
            "POI's\n"
            "                            \"category\" only with from-file\n"
            "  --json                    print {\"pois\":[...],\"issues\":[...]} on "
            "standard output\n");
    }
    std::span<const OptionSpec> options() const override { return importOptions; }

    int run(const Arguments& args, Streams& io) const override {
        if (args.positional().size() != 1)
            throw UsageError(translate("ImportCommand", "import takes exactly one FILE"));
        const std::string& path = args.positional().front();
        InputKind kind = inputKind(path, formatOption(args));
        SpeedUnit speedUnit = speedUnitOption(args);
        CategoryMode mode = categoryMode(kind, categoryModeOption(args));
        bool json = args.has("json");
        ImportResult result;
        try {
            result = importInput(path, kind, speedUnit, io);
        } catch (...) {
            return reportCurrentFailure(io, json);
        }
        printIssues(io, path, result);
        if (json)
            io.out << importJson(result, mode) << '\n';
        else
            printSummary(io.out, path, result);
        return exitSuccess;
    }
};

} // namespace

std::unique_ptr<Command> makeImportCommand() {
    return std::make_unique<ImportCommand>();
}

} // namespace marklode::cli
