#include "cli/Command.h"
#include "cli/InputPreparation.h"
#include "cli/Printing.h"
#include "core/io/AtomicWrite.h"
#include "core/io/LocalFileSystem.h"
#include "core/text/CurlyQuotes.h"
#include "core/text/Translation.h"
#include "rules/MarklodeWriters.h"
#include "rules/SaveNames.h"
#include "rules/TransferMessages.h"

#include <filesystem>
#include <ostream>

namespace marklode::cli {

namespace {

std::string describeWritten(const std::string& target, std::size_t pois, std::size_t categories) {
    return printable(target) + ": " + poisInCategoriesText(pois, categories);
}

// Writes one input's own file; failures are reported against the input.
bool writeOwnFile(const PreparedInput& input, const std::filesystem::path& target,
                  const ConvertSettings& settings, Streams& io) {
    try {
        writeAtomically(ownFileWriter(input.categoryName, input.icon, settings.timestamp)
                            .data(input.categories),
                        target, LocalFileSystem{});
    } catch (...) {
        reportCurrentFailureOf(io, input.path);
        return false;
    }
    io.out << describeWritten(target.string(), input.poiCount(), input.categories.size()) << '\n';
    return true;
}

int convertOne(const std::string& input, const std::string& target, const ConvertSettings& settings,
               Streams& io) {
    auto prepared = prepareInput(input, settings, io);
    return prepared && writeOwnFile(*prepared, target, settings, io) ? exitSuccess : exitFailure;
}

int convertEach(const std::vector<std::string>& inputs, const std::filesystem::path& directory,
                bool force, const ConvertSettings& settings, Streams& io) {
    SaveNames names;
    int status = exitSuccess;
    for (const std::string& input : inputs) {
        auto prepared = prepareInput(input, settings, io);
        if (!prepared) {
            status = exitFailure;
            continue;
        }
        std::filesystem::path target =
            directory / names.next(std::filesystem::path(input).stem().string());
        if (!force && std::filesystem::exists(target)) {
            io.err << printable(input) << ": "
                   << formatted(translate("ConvertCommand",
                                          "%1 already exists. Use --force to replace it."),
                                {curlyQuoted(printable(target.filename().string()))})
                   << '\n';
            status = exitFailure;
        } else if (!writeOwnFile(*prepared, target, settings, io)) {
            status = exitFailure;
        }
    }
    return status;
}

int convertCombined(const std::vector<std::string>& inputs, const std::string& target,
                    const ConvertSettings& settings, Streams& io) {
    bool inputFailed = false;
    std::vector<GPICategory> categories = categoriesOf(inputs, settings, io, inputFailed);
    if (categories.empty()) {
        io.err << noPOIsToSendMessage() << '\n';
        return exitFailure;
    }
    try {
        writeAtomically(deviceFileWriter(settings.timestamp).data(categories), target,
                        LocalFileSystem{});
    } catch (...) {
        return reportCurrentFailure(io, false);
    }
    std::size_t poiCount = 0;
    for (const GPICategory& category : categories)
        poiCount += category.pois.size();
    io.out << describeWritten(target, poiCount, categories.size()) << '\n';
    return inputFailed ? exitFailure : exitSuccess;
}

class ConvertCommand final : public Command {
  public:
    std::string_view name() const override { return "convert"; }
    std::string summary() const override {
        return translate("ConvertCommand",
                         "write .gpi files from CSV, GPX, KML, KMZ and GeoJSON files");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "ConvertCommand",
            "Usage: marklode-cli convert INPUT -o OUT.gpi [options]\n"
            "       marklode-cli convert INPUT... -d DIR [--force] [options]\n"
            "       marklode-cli convert INPUT... --combined -o OUT.gpi [options]\n"
            "\n"
            "One input with -o: the input's own .gpi (category = file name without extension).\n"
            "Several inputs with -d: one .gpi per input in DIR, named NAME.gpi, NAME 2.gpi, "
            "...;\n"
            "  an existing file is replaced only with --force.\n"
            "--combined: one file with each input's categories that have POIs, in order.\n"
            "An INPUT of - is standard input; a pipe, such as <(command), is read to its end.\n"
            "\n"
            "  --format csv|gpx|kml|kmz|geojson\n"
            "                               kind of every input (default: by its extension, "
            "else CSV)\n"
            "  --category NAME              category name (single input only)\n"
            "  --categories one|from-file   one category for the file, or one per category\n"
            "                               the file gives its POIs (default: one for CSV\n"
            "                               and GPX)\n"
            "  --icon FILE                  a PNG or JPEG, scaled down to at most 24x24, or "
            "a\n"
            "                               24-bit BMP of at most 24x24 (default: an image "
            "named\n"
            "                               as the input beside it, BMP before PNG before "
            "JPEG,\n"
            "                               else the built-in icon)\n"
            "  --speed-unit kmh|mph         unit of \"@\" speeds in CSV names (default by "
            "locale)\n"
            "  --proximity off|file|fixed   proximity alerts (default: file for GPX, else "
            "off)\n"
            "  --distance N                 distance for --proximity fixed (default 300)\n"
            "  --distance-unit m|ft         unit of --distance (default by locale)\n"
            "  --timestamp UNIX_SECONDS     creation time in the file (default:\n"
            "                               SOURCE_DATE_EPOCH when set, else now)\n");
    }
    std::span<const OptionSpec> options() const override { return options_; }

    int run(const Arguments& args, Streams& io) const override {
        const auto& inputs = args.positional();
        auto output = args.value("output");
        auto directory = args.value("directory");
        bool combined = args.has("combined");
        if (inputs.empty())
            throw UsageError(translate("ConvertCommand", "convert needs at least one INPUT"));
        if (output.has_value() == directory.has_value())
            throw UsageError(translate("ConvertCommand", "give either -o OUT.gpi or -d DIR"));
        if (args.has("category") && inputs.size() != 1)
            throw UsageError(
                translate("ConvertCommand", "--category works with a single input only"));
        if (combined && !output)
            throw UsageError(
                translate("ConvertCommand", "--combined writes one file: give -o OUT.gpi"));
        if (!combined && output && inputs.size() != 1)
            throw UsageError(
                translate("ConvertCommand", "several inputs need -d DIR or --combined"));

        auto found = convertSettingsOrReport(args, io);
        if (!found)
            return exitFailure;
        const ConvertSettings& settings = *found;
        if (combined)
            return convertCombined(inputs, *output, settings, io);
        if (output)
            return convertOne(inputs.front(), *output, settings, io);
        return convertEach(inputs, *directory, args.has("force"), settings, io);
    }

  private:
    std::vector<OptionSpec> options_ = withConvertSettingOptions({{"output", 'o', true},
                                                                  {"directory", 'd', true},
                                                                  {"combined", 0, false},
                                                                  {"force", 0, false}});
};

} // namespace

std::unique_ptr<Command> makeConvertCommand() {
    return std::make_unique<ConvertCommand>();
}

} // namespace marklode::cli
