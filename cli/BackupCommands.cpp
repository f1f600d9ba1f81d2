#include "cli/Command.h"
#include "cli/DeviceChoice.h"
#include "cli/Json.h"
#include "cli/Printing.h"
#include "core/devices/BackupList.h"
#include "core/devices/Backups.h"
#include "core/devices/RestoreError.h"
#include "core/io/LocalFileSystem.h"
#include "core/text/Translation.h"
#include "rules/CliDeviceMessages.h"
#include "rules/TransferMessages.h"

#include <algorithm>
#include <ctime>
#include <ostream>

namespace marklode::cli {

namespace {

std::string localTime(const std::optional<std::chrono::system_clock::time_point>& time,
                      const char* format) {
    if (!time)
        return {};
    std::time_t seconds = std::chrono::system_clock::to_time_t(*time);
    std::tm local{};
    char text[64];
    if (!::localtime_r(&seconds, &local))
        return {};
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

// "2025-03-01 09:15:00" for people.
std::string shownTime(const BackupEntry& entry) {
    std::string shown = localTime(entry.time, "%Y-%m-%d %H:%M:%S");
    return shown.empty() ? entry.name() : shown;
}

// ISO 8601 with the offset, "2025-03-01T09:15:00+01:00", for scripts.
std::string isoTime(const BackupEntry& entry) {
    std::string iso = localTime(entry.time, "%Y-%m-%dT%H:%M:%S%z");
    if (iso.size() < 2)
        return iso;
    std::string_view offsetMinutes = std::string_view(iso).substr(iso.size() - 2);
    return iso.substr(0, iso.size() - 2) + ":" + std::string(offsetMinutes);
}

// BACKUP as the listing names it, or the path of a backup folder; none given: the newest.
Path chosenBackup(const FileSystem& fs, const Path& deviceFolder, const GarminDevice& device,
                  const std::vector<std::string>& positional) {
    std::vector<Path> folders = backupFolders(fs, deviceFolder);
    if (positional.empty()) {
        if (folders.empty())
            throw RestoreError{RestoreError::NoBackups{device.displayName()}};
        return folders.front();
    }
    const std::string& wanted = positional.front();
    if (wanted.find('/') != std::string::npos) {
        if (isBackupFolder(fs, wanted))
            return Path(wanted);
    } else {
        for (const Path& folder : folders)
            if (folder.filename() == wanted)
                return folder;
    }
    throw RestoreError{RestoreError::UnknownBackup{wanted, device.displayName()}};
}

class BackupsCommand final : public Command {
  public:
    std::string_view name() const override { return "backups"; }
    std::string summary() const override {
        return translate("BackupCommands", "list a device's backups");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "BackupCommands",
            "Usage: marklode-cli backups [--device VOLUME_DIR] [--backup-root DIR] [--json]\n"
            "\n"
            "Lists the backups Marklode made of the device's custom POIs, newest first, with\n"
            "their time and POI count; a backup whose file can't be read is listed as\n"
            "damaged. Without --device the one connected Garmin is used.\n"
            "  --json  print [{\"folder\":...,\"time\":...,\"poiCount\":N or null,"
            "\"damaged\":false}]\n");
    }
    std::span<const OptionSpec> options() const override { return options_; }

    int run(const Arguments& args, Streams& io) const override {
        if (!args.positional().empty())
            throw UsageError(translate(
                "BackupCommands", "backups takes no arguments; name the device with --device"));
        const bool json = args.has("json");
        FileSystemHandle fileSystem = localFileSystem();
        try {
            GarminDevice device = chooseDevice(fileSystem, args);
            Path deviceFolder = deviceBackupFolder(backupRootFor(args), device);
            std::vector<BackupEntry> entries = listBackups(*fileSystem, deviceFolder);
            if (json)
                printJson(io, entries);
            else
                printForPeople(io, device, deviceFolder, entries);
            return exitSuccess;
        } catch (...) {
            return reportDeviceFailure(io, json);
        }
    }

  private:
    static void printJson(Streams& io, const std::vector<BackupEntry>& entries) {
        JsonWriter json;
        json.beginArray();
        for (const BackupEntry& entry : entries) {
            json.beginObject().key("folder").value(entry.folder.string()).key("time");
            if (entry.time)
                json.value(isoTime(entry));
            else
                json.null();
            json.key("poiCount");
            if (entry.poiCount)
                json.value(*entry.poiCount);
            else
                json.null();
            json.key("damaged").value(entry.isDamaged()).endObject();
        }
        json.endArray();
        io.out << json.text() << '\n';
    }

    static void printForPeople(Streams& io, const GarminDevice& device, const Path& deviceFolder,
                               const std::vector<BackupEntry>& entries) {
        if (entries.empty()) {
            io.out << printable(noBackupsMessage(device.displayName())) << '\n';
            return;
        }
        io.out << printable(backupsHeading(device.displayName(), deviceFolder.string())) << '\n';
        for (const BackupEntry& entry : entries) {
            std::string count(damagedBackupLabel());
            if (entry.poiCount) {
                const std::size_t poiCount = static_cast<std::size_t>(*entry.poiCount);
                //: The POI count of a backup, grouped as the locale groups numbers.
                count = formatted(
                    translate("BackupCommands", "%1 POIs", nullptr, pluralCount(poiCount)),
                    {localeGrouped(*entry.poiCount)});
            }
            std::string name = printable(entry.name());
            name.resize(std::max<std::size_t>(name.size(), 22), ' ');
            io.out << "  " << name << "  " << shownTime(entry) << "  " << count << '\n';
        }
    }

    std::vector<OptionSpec> options_ = {
        {"device", 0, true}, {"backup-root", 0, true}, {"json", 0, false}};
};

class RestoreCommand final : public Command {
  public:
    std::string_view name() const override { return "restore"; }
    std::string summary() const override {
        return translate("BackupCommands", "put a backup back on a device");
    }
    std::string help() const override {
        //: Keep the command and option names and the layout: the descriptions start in one column
        //: and lines stay within 80 characters. The words in capitals stand for what the user
        //: types.
        return translate(
            "BackupCommands",
            "Usage: marklode-cli restore [BACKUP] [--device VOLUME_DIR] [--backup-root DIR]\n"
            "\n"
            "Puts a backup's poi.gpi back on the device, the newest backup when BACKUP is not\n"
            "given. BACKUP is a name as marklode-cli backups lists it, or the path of a\n"
            "backup folder. As with send, the device's current file is backed up first, the\n"
            "new one is installed atomically and read back to verify it. A backup that is\n"
            "damaged is refused before the device is touched.\n");
    }
    std::span<const OptionSpec> options() const override { return options_; }

    int run(const Arguments& args, Streams& io) const override {
        if (args.positional().size() > 1)
            throw UsageError(translate("BackupCommands", "restore takes at most one BACKUP"));
        FileSystemHandle fileSystem = localFileSystem();
        try {
            GarminDevice device = chooseDevice(fileSystem, args);
            DeviceTransfer transfer = transferFor(fileSystem, args);
            Path folder = chosenBackup(*fileSystem, deviceBackupFolder(transfer.backupRoot, device),
                                       device, args.positional());
            if (io.errIsTerminal)
                io.err << restoringToMessage(printable(device.displayName())) << '\n';
            TransferResult result = transfer.restore(folder, device);
            BackupEntry restored{folder, backups::stampTime(folder.filename().string()),
                                 result.verifiedPOICount};
            io.out << restoredMessage(printable(shownTime(restored)), result.verifiedPOICount,
                                      printable(device.displayName()),
                                      printablePath(result.backupFolder), localeGrouped)
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

std::unique_ptr<Command> makeBackupsCommand() {
    return std::make_unique<BackupsCommand>();
}
std::unique_ptr<Command> makeRestoreCommand() {
    return std::make_unique<RestoreCommand>();
}

} // namespace marklode::cli
