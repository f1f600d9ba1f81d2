#include "cli/Command.h"
#include "cli/DeviceChoice.h"
#include "cli/InputPreparation.h"
#include "cli/Json.h"
#include "cli/Printing.h"
#include "core/devices/DeviceTransfer.h"
#include "core/gpi/GPIReader.h"
#include "core/io/LocalFileSystem.h"
#include "core/io/ReadFile.h"
#include "core/text/TextClasses.h"
#include "core/text/Translation.h"
#include "rules/CliDeviceMessages.h"
#include "rules/LoadError.h"
#include "rules/MarklodeWriters.h"
#include "rules/TransferMessages.h"

#include <ostream>

namespace marklode::cli {

namespace {

bool isGPIPath(const std::string& path) {
    return lowercased(std::filesystem::path(path).extension().string()) == ".gpi";
}

// The combined device file from the inputs, or a ready .gpi given alone. Returns the bytes and
// the number of categories; throws LoadError when nothing has POIs or the ready file is damaged.
std::pair<Bytes, std::size_t> deviceFile(const std::vector<std::string>& inputs,
                                         const ConvertSettings& settings, Streams& io,
                                         bool& failed) {
    if (inputs.size() == 1 && !settings.format && isGPIPath(inputs.front())) {
        std::string text = readCommandLineInput(inputs.front());
        Bytes bytes(text.begin(), text.end());
        std::size_t categoryCount = 0;
        try {
            // The transfer reads it too, but would word a failure as a fault of Marklode's own.
            categoryCount = GPIReader::read(bytes).categories.size();
        } catch (const GPIReaderError&) {
            throw LoadError{
                damagedGPIFileMessage(std::filesystem::path(inputs.front()).filename().string())};
        }
        return {std::move(bytes), categoryCount};
    }
    std::vector<GPICategory> categories = categoriesOf(inputs, settings, io, failed);
    if (categories.empty())
        throw LoadError{noPOIsToSendMessage()};
    return {deviceFileWriter(settings.timestamp).data(categories), categories.size()};
}

class DevicesCommand final : public Command {
  public:
    std::string_view name() const override { return "devices"; }
    std::string summary() const override {
        return translate("DeviceCommands", "list the connected Garmin devices");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "DeviceCommands",
            "Usage: marklode-cli devices [--volume DIR]... [--json]\n"
            "\n"
            "Lists the Garmin devices among the mounted volumes, or among the given folders.\n");
    }
    std::span<const OptionSpec> options() const override { return options_; }

    int run(const Arguments& args, Streams& io) const override {
        if (!args.positional().empty())
            throw UsageError(translate("DeviceCommands",
                                       "devices takes no arguments; name folders with --volume"));
        FileSystemHandle fileSystem = localFileSystem();
        auto devices = scanDevices(fileSystem, args.values("volume"));
        if (args.has("json")) {
            JsonWriter json;
            json.beginArray();
            for (const auto& device : devices) {
                json.beginObject()
                    .key("displayName")
                    .value(device.displayName())
                    .key("volumeName")
                    .value(device.volumeName())
                    .key("volume")
                    .value(device.volumeURL.string())
                    .key("garminFolder")
                    .value(device.garminFolder.string())
                    .key("modelName");
                if (device.modelName)
                    json.value(*device.modelName);
                else
                    json.null();
                json.key("hasDeviceXML")
                    .value(device.hasDeviceXML)
                    .key("hasCustomPOIs")
                    .value(fileSystem->fileExists(device.poiFileURL()))
                    .endObject();
            }
            json.endArray();
            io.out << json.text() << '\n';
            return exitSuccess;
        }
        if (devices.empty())
            io.out << noDevicesFoundMessage() << '\n';
        for (const auto& device : devices) {
            const std::string model = device.modelName ? printable(*device.modelName)
                                                       : translate("DeviceCommands", "unknown");
            //: The labels of a device's details; the values start in one column.
            io.out << printable(device.displayName()) << "\n  "
                   << formatted(
                          translate("DeviceCommands", "volume:      %1 at %2"),
                          {printable(device.volumeName()), printable(device.volumeURL.string())})
                   << "\n  "
                   << formatted(translate("DeviceCommands", "Garmin folder: %1"),
                                {printable(device.garminFolder.string())})
                   << "\n  "
                   << formatted(device.hasDeviceXML
                                    ? translate("DeviceCommands", "model:       %1")
                                    : translate("DeviceCommands",
                                                "model:       %1 (no description file)"),
                                {model})
                   << "\n  "
                   << (fileSystem->fileExists(device.poiFileURL())
                           ? translate("DeviceCommands", "custom POIs: yes")
                           : translate("DeviceCommands", "custom POIs: no"))
                   << '\n';
        }
        return exitSuccess;
    }

  private:
    std::vector<OptionSpec> options_ = {{"volume", 0, true}, {"json", 0, false}};
};

class SendCommand final : public Command {
  public:
    std::string_view name() const override { return "send"; }
    std::string summary() const override {
        return translate("DeviceCommands", "install POIs on a Garmin device");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "DeviceCommands",
            "Usage: marklode-cli send INPUT... [--device VOLUME_DIR] [--backup-root DIR] "
            "[convert options]\n"
            "\n"
            "Builds one poi.gpi with each input's categories that have POIs, inputs in order\n"
            "(or takes a single ready .gpi as it is), backs up the device's previous file,\n"
            "installs the new one atomically and reads it back to verify it. Without --device\n"
            "the one connected Garmin is used. An INPUT of - is standard input; a pipe is read\n"
            "to its end. Convert options (--format and --categories among them): see\n"
            "marklode-cli convert --help.\n");
    }
    std::span<const OptionSpec> options() const override { return options_; }

    int run(const Arguments& args, Streams& io) const override {
        if (args.positional().empty())
            throw UsageError(translate("DeviceCommands", "send needs at least one INPUT"));
        if (args.has("category"))
            throw UsageError(
                translate("DeviceCommands",
                          "--category is not used by send: each input is its own category"));
        auto found = convertSettingsOrReport(args, io);
        if (!found)
            return exitFailure;
        const ConvertSettings& settings = *found;
        FileSystemHandle fileSystem = localFileSystem();
        try {
            bool inputFailed = false;
            auto [bytes, categoryCount] = deviceFile(args.positional(), settings, io, inputFailed);
            GarminDevice device = chooseDevice(fileSystem, args);
            if (io.errIsTerminal)
                io.err << sendingToMessage(printable(device.displayName())) << '\n';
            TransferResult result = transferFor(fileSystem, args).send(bytes, device);
            io.out << sentMessage(result.verifiedPOICount, categoryCount,
                                  printable(device.displayName()),
                                  printablePath(result.backupFolder), localeGrouped)
                   << '\n';
            return inputFailed ? exitFailure : exitSuccess;
        } catch (...) {
            return reportDeviceFailure(io);
        }
    }

  private:
    std::vector<OptionSpec> options_ =
        withConvertSettingOptions({{"device", 0, true}, {"backup-root", 0, true}});
};

class RemoveCommand final : public Command {
  public:
    std::string_view name() const override { return "remove"; }
    std::string summary() const override {
        return translate("DeviceCommands", "back up and remove a device's custom POIs");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate("DeviceCommands",
                         "Usage: marklode-cli remove [--device VOLUME_DIR] [--backup-root DIR]\n"
                         "\n"
                         "Backs up the device's custom POI file, then deletes it.\n");
    }
    std::span<const OptionSpec> options() const override { return options_; }

    int run(const Arguments& args, Streams& io) const override {
        if (!args.positional().empty())
            throw UsageError(translate("DeviceCommands",
                                       "remove takes no arguments; name the device with --device"));
        FileSystemHandle fileSystem = localFileSystem();
        try {
            GarminDevice device = chooseDevice(fileSystem, args);
            TransferResult result = transferFor(fileSystem, args).removeCustomPOIs(device);
            io.out << removedMessage(printable(device.displayName()),
                                     printablePath(result.backupFolder))
                   << '\n';
            return exitSuccess;
        } catch (...) {
            return reportDeviceFailure(io);
        }
    }

  private:
    std::vector<OptionSpec> options_ = {{"device", 0, true}, {"backup-root", 0, true}};
};

} // namespace

std::unique_ptr<Command> makeDevicesCommand() {
    return std::make_unique<DevicesCommand>();
}
std::unique_ptr<Command> makeSendCommand() {
    return std::make_unique<SendCommand>();
}
std::unique_ptr<Command> makeRemoveCommand() {
    return std::make_unique<RemoveCommand>();
}

} // namespace marklode::cli
