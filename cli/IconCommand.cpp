#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/Printing.h"
#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIIconError.h"
#include "core/text/Translation.h"

#include <ostream>

namespace marklode::cli {

namespace {

constexpr OptionSpec iconOptions[] = {{"json", 0, false}};

std::string hex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0xf];
    }
    return text;
}

class IconCommand final : public Command {
  public:
    std::string_view name() const override { return "icon"; }
    std::string summary() const override {
        return translate("IconCommand", "check an image file as a category icon");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "IconCommand",
            "Usage: marklode-cli icon FILE [--json]\n"
            "\n"
            "Checks that FILE can be a category icon: a PNG or JPEG (scaled down to at most\n"
            "24x24 pixels, transparency on white) or an uncompressed 24-bit BMP of at most\n"
            "24x24 pixels, known by its content whatever its name.\n"
            "  --json  print {\"width\":W,\"height\":H,\"pixelsBGR\":\"HEX\"} (top-down blue, "
            "green,\n"
            "          red bytes) or {\"error\":DESCRIPTION}\n");
    }
    std::span<const OptionSpec> options() const override { return iconOptions; }

    int run(const Arguments& args, Streams& io) const override {
        if (args.positional().size() != 1)
            throw UsageError(translate("IconCommand", "icon takes exactly one FILE"));
        const std::string& path = args.positional().front();
        bool json = args.has("json");
        try {
            GPIIcon icon = GPIIcon::contentsOf(path);
            if (json) {
                JsonWriter writer;
                writer.beginObject()
                    .key("width")
                    .value(std::int64_t{icon.width()})
                    .key("height")
                    .value(std::int64_t{icon.height()})
                    .key("pixelsBGR")
                    .value(hex(icon.pixelsBGR()))
                    .endObject();
                io.out << writer.text() << '\n';
            } else {
                io.out << printable(path) << ": "
                       << formatted(translate("IconCommand", "%1x%2 pixels, usable as an icon"),
                                    {std::to_string(icon.width()), std::to_string(icon.height())})
                       << '\n';
            }
            return exitSuccess;
        } catch (const GPIIconError& error) {
            // The JSON form carries the icon error's own description, the text form the full
            // sentence the application shows.
            if (json)
                return reportFailure(io, true, error.description());
            return reportCurrentFailure(io, false);
        } catch (...) {
            return reportCurrentFailure(io, json);
        }
    }
};

} // namespace

std::unique_ptr<Command> makeIconCommand() {
    return std::make_unique<IconCommand>();
}

} // namespace marklode::cli
