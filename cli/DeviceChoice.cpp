#include "cli/DeviceChoice.h"

#include "cli/Printing.h"
#include "core/devices/DeviceScanner.h"
#include "core/devices/MountedVolumes.h"
#include "rules/CliDeviceMessages.h"
#include "rules/LoadError.h"

#include <chrono>
#include <locale>
#include <ostream>
#include <sstream>

namespace marklode::cli {

namespace {

// Several connected Garmins and no --device: the user chooses from this list.
struct SeveralDevices {
    std::vector<GarminDevice> devices;
};

} // namespace

std::string localeGrouped(std::int64_t count) {
    std::ostringstream out;
    try {
        out.imbue(std::locale(""));
    } catch (const std::runtime_error&) {
        // An unknown locale in the environment: plain digits.
    }
    out << count;
    return out.str();
}

std::vector<GarminDevice> scanDevices(const FileSystemHandle& fileSystem,
                                      const std::vector<std::string>& volumes) {
    std::vector<Path> candidates(volumes.begin(), volumes.end());
    if (volumes.empty())
        candidates = defaultVolumeSource()();
    return DeviceScanner(fileSystem).scan(candidates);
}

GarminDevice chooseDevice(const FileSystemHandle& fileSystem, const Arguments& args) {
    if (auto volume = args.value("device")) {
        if (auto device = DeviceScanner(fileSystem).device(*volume))
            return *device;
        throw LoadError{notAGarminDeviceMessage(*volume)};
    }
    auto devices = scanDevices(fileSystem, {});
    if (devices.empty())
        throw LoadError{noDeviceConnectedMessage()};
    if (devices.size() > 1)
        throw SeveralDevices{std::move(devices)};
    return devices.front();
}

int reportDeviceFailure(Streams& io, bool json) {
    try {
        throw;
    } catch (const SeveralDevices& several) {
        if (json)
            return reportFailure(io, true, severalDevicesMessage());
        io.err << severalDevicesMessage() << '\n';
        for (const auto& device : several.devices)
            io.err << "  " << printable(device.volumeURL.string()) << " ("
                   << printable(device.displayName()) << ")\n";
        return exitFailure;
    } catch (...) {
        return reportCurrentFailure(io, json);
    }
}

std::optional<Path> printablePath(const std::optional<Path>& path) {
    if (!path)
        return std::nullopt;
    return Path(printable(path->string()));
}

Path backupRootFor(const Arguments& args) {
    return args.value("backup-root") ? Path(*args.value("backup-root"))
                                     : DeviceTransfer::defaultBackupRoot();
}

DeviceTransfer transferFor(const FileSystemHandle& fileSystem, const Arguments& args) {
    return DeviceTransfer(fileSystem, backupRootFor(args),
                          [] { return std::chrono::system_clock::now(); });
}

} // namespace marklode::cli
