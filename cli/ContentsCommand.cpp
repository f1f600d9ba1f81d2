#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/Printing.h"
#include "core/gpi/GPIReader.h"
#include "core/io/ReadFile.h"
#include "core/text/CurlyQuotes.h"
#include "core/text/Translation.h"

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
        return formatted(translate("InspectCommand", "The file is damaged at byte offset %1."),
                         {std::to_string(damaged->offset)});
    return translate("InspectCommand", "This is not a .gpi file.");
}

class InspectCommand final : public Command {
  public:
    std::string_view name() const override { return "inspect"; }
    std::string summary() const override {
        return translate("InspectCommand", "list the categories of a .gpi file");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "InspectCommand",
            "Usage: marklode-cli inspect FILE.gpi [--pois] [--json]\n"
            "\n"
            "Reads a .gpi file back and lists its categories with their POI counts.\n"
            "FILE.gpi - is standard input; a pipe, such as <(command), is read to its end.\n"
            "  --pois  also list each category's POIs, with their addresses and phone numbers\n"
            "  --json  print {\"categories\":[{\"name\":...,\"poiCount\":N}],\"poiCount\":N};\n"
            "          with --pois each category also has \"pois\":[...] as import prints\n");
    }
    std::span<const OptionSpec> options() const override { return inspectOptions; }

    int run(const Arguments& args, Streams& io) const override {
        if (args.positional().size() != 1)
            throw UsageError(translate("InspectCommand", "inspect takes exactly one FILE.gpi"));
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
                   << poiCountText(static_cast<std::size_t>(category.poiCount)) << '\n';
            for (const POI& poi : category.pois)
                io.out << "  " << describePOI(poi) << '\n';
        }
        io.out << poisInCategoriesText(static_cast<std::size_t>(contents.poiCount()),
                                       contents.categories.size())
               << '\n';
        return exitSuccess;
    }
};

} // namespace

std::unique_ptr<Command> makeInspectCommand() {
    return std::make_unique<InspectCommand>();
}

} // namespace marklode::cli
