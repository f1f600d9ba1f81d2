#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/Printing.h"
#include "core/gpi/GPIReader.h"
#include "core/io/ReadFile.h"
#include "core/text/CurlyQuotes.h"

#include <ostream>

namespace marklode::cli {

namespace {

constexpr OptionSpec inspectOptions[] = {{"pois", 0, false}, {"json", 0, false}};

std::string contentsJson(const GPIContents& contents, bool withPOIs) {
    JsonWriter json;
    json.beginObject().key("categories").beginArray();
    for (const auto& category : contents.categories) {
        json.beginObject()
            .key("name")
            .value(category.name)
            .key("poiCount")
            .value(category.poiCount);
        if (withPOIs) {
            json.key("pois").beginArray();
            for (const POI& poi : category.pois)
                writePOI(json, poi);
            json.endArray();
        }
        json.endObject();
    }
    json.endArray().key("poiCount").value(contents.poiCount()).endObject();
    return json.text();
}

std::string readerErrorJson(const GPIReaderError& error) {
    JsonWriter json;
    json.beginObject();
    if (const auto* damaged = std::get_if<GPIReaderError::Damaged>(&error.kind))
        json.key("error").value("damaged").key("offset").value(damaged->offset);
    else
        json.key("error").value("notAGPIFile");
    json.endObject();
    return json.text();
}

std::string readerErrorText(const GPIReaderError& error) {
    if (const auto* damaged = std::get_if<GPIReaderError::Damaged>(&error.kind))
        return "The file is damaged at byte offset " + std::to_string(damaged->offset) + ".";
    return "This is not a .gpi file.";
}

class InspectCommand final : public Command {
  public:
    std::string_view name() const override { return "inspect"; }
    std::string_view summary() const override { return "list the categories of a .gpi file"; }
    std::string_view help() const override {
        return "Usage: marklode-cli inspect FILE.gpi [--pois] [--json]\n"
               "\n"
               "Reads a .gpi file back and lists its categories with their POI counts.\n"
               "FILE.gpi - is standard input; a pipe, such as <(command), is read to its end.\n"
               "  --pois  also list each category's POIs, with their addresses and phone numbers\n"
               "  --json  print {\"categories\":[{\"name\":...,\"poiCount\":N}],\"poiCount\":N};\n"
               "          with --pois each category also has \"pois\":[...] as import prints\n";
    }
    std::span<const OptionSpec> options() const override { return inspectOptions; }

    int run(const Arguments& args, Streams& io) const override {
        if (args.positional().size() != 1)
            throw UsageError("inspect takes exactly one FILE.gpi");
        const std::string& path = args.positional().front();
        bool json = args.has("json");
        bool withPOIs = args.has("pois");
        std::string bytes;
        try {
            bytes = readCommandLineInput(path);
        } catch (...) {
            return reportCurrentFailure(io, json);
        }
        GPIContents contents;
        try {
            std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size());
            contents = withPOIs ? GPIReader::readWithPOIs(data) : GPIReader::read(data);
        } catch (const GPIReaderError& error) {
            if (json)
                io.out << readerErrorJson(error) << '\n';
            else
                io.err << printable(path) << ": " << readerErrorText(error) << '\n';
            return exitFailure;
        }
        if (json) {
            io.out << contentsJson(contents, withPOIs) << '\n';
            return exitSuccess;
        }
        for (const auto& category : contents.categories) {
            io.out << curlyQuoted(printable(category.name)) << ": "
                   << countOf(static_cast<std::size_t>(category.poiCount), "POI", "POIs") << '\n';
            for (const POI& poi : category.pois)
                io.out << "  " << describePOI(poi) << '\n';
        }
        io.out << countOf(static_cast<std::size_t>(contents.poiCount()), "POI", "POIs") << " in "
               << countOf(contents.categories.size(), "category", "categories") << '\n';
        return exitSuccess;
    }
};

} // namespace

std::unique_ptr<Command> makeInspectCommand() {
    return std::make_unique<InspectCommand>();
}

} // namespace marklode::cli
