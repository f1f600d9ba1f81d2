#include "core/devices/Backups.h"

#include "core/devices/DeviceTransfer.h"
#include "core/devices/ErrorDescription.h"
#include "core/devices/UnicodeText.h"
#include "core/import/FileError.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace marklode {

namespace backups {

namespace {

bool isReplacedInFolderName(char32_t scalar) {
    constexpr std::u32string_view reserved = U"/\\:?%*|\"<>";
    return reserved.find(scalar) != std::u32string_view::npos || unicode::isControlOrFormat(scalar);
}

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Cuts at a scalar boundary so that the name still fits one path component.
std::string limitedToComponentLength(std::string name) {
    constexpr std::size_t limit = NAME_MAX;
    if (name.size() <= limit)
        return name;
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    name.resize(cut);
    return name;
}

} // namespace

std::string deviceFolderName(std::string_view displayName) {
    std::string name = unicode::replacingScalars(displayName, isReplacedInFolderName);
    name = unicode::trimmed(limitedToComponentLength(unicode::trimmed(name, true)), true);
    return name.empty() ? "Garmin" : name;
}

std::string stamp(std::chrono::system_clock::time_point time) {
    std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(time));
    std::tm local{};
    if (!::localtime_r(&seconds, &local))
        return "0000-00-00_00-00-00";
    char text[64];
    std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(text, length);
}

bool isBackupFolderName(std::string_view name) {
    // dddd-dd-dd_dd-dd-dd, then optionally -digits
    constexpr std::string_view shape = "dddd-dd-dd_dd-dd-dd";
    if (name.size() < shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        bool digit = name[i] >= '0' && name[i] <= '9';
        if (shape[i] == 'd' ? !digit : name[i] != shape[i])
            return false;
    }
    std::string_view rest = name.substr(shape.size());
    return rest.empty() || (rest.front() == '-' && isDigits(rest.substr(1)));
}

std::string sortKey(std::string_view name) {
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0; start <= name.size();) {
        std::size_t end = std::min(name.find('-', start), name.size());
        if (end > start)
            pieces.push_back(name.substr(start, end - start));
        start = end + 1;
    }
    std::uint64_t suffix = 0;
    if (pieces.size() == 6 && isDigits(pieces[5])) {
        auto [end, error] =
            std::from_chars(pieces[5].data(), pieces[5].data() + pieces[5].size(), suffix);
        if (error == std::errc{} && suffix <= static_cast<std::uint64_t>(INT64_MAX)) {
            std::string key;
            for (std::size_t i = 0; i < 5; ++i)
                key += std::string(i ? "-" : "") + std::string(pieces[i]);
            std::string digits = std::to_string(suffix);
            return key + "-" + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
        }
    }
    return std::string(name) + "-0000";
}

} // namespace backups

Path DeviceTransfer::defaultBackupRoot() {
    Path dataHome;
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules require.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') {
        dataHome = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/') {
            const passwd* entry = ::getpwuid(::getuid());
            home = entry ? entry->pw_dir : nullptr;
        }
        if (!home || home[0] != '/')
            throw FileError(FileError::Operation::write, ENOENT, ".local/share");
        dataHome = Path(home) / ".local" / "share";
    }
    std::error_code code;
    std::filesystem::create_directories(dataHome, code);
    if (code)
        throw FileError(FileError::Operation::write, code.value(), dataHome);
    return dataHome / "Marklode" / "Backups";
}

std::optional<Path> DeviceTransfer::backUpExisting(const GarminDevice& device) const {
    if (!fs->fileExists(device.poiFileURL()))
        return std::nullopt;
    Path deviceFolder = backupRoot / backups::deviceFolderName(device.displayName());
    Path folder;
    try {
        Bytes original = fs->readData(device.poiFileURL());
        std::string stamp = backups::stamp(now());
        folder = deviceFolder / stamp;
        for (int n = 2; fs->fileExists(folder); ++n)
            folder = deviceFolder / (stamp + "-" + std::to_string(n));
        fs->createDirectory(folder);
        Path copy = folder / "poi.gpi";
        fs->writeAndSync(original, copy);
        if (fs->readData(copy) != original)
            throw DeviceTransferError::backupFailed("The backup copy didn't match the original.");
    } catch (const DeviceTransferError&) {
        throw;
    } catch (...) {
        throw DeviceTransferError::backupFailed(errorDescription(std::current_exception()));
    }
    prune(deviceFolder);
    return folder;
}

void DeviceTransfer::prune(const Path& deviceFolder) const {
    try {
        std::vector<Path> folders;
        for (const Path& entry : fs->contentsOfDirectory(deviceFolder)) {
            if (!backups::isBackupFolderName(entry.filename().string()) || !fs->isDirectory(entry))
                continue;
            try {
                auto contents = fs->contentsOfDirectory(entry);
                if (contents.size() == 1 && contents.front().filename() == "poi.gpi")
                    folders.push_back(entry);
            } catch (...) {
                // A folder that can't be listed is not a backup: it is never deleted.
            }
        }
        if (folders.size() <= backupsToKeep)
            return;
        std::stable_sort(folders.begin(), folders.end(), [](const Path& a, const Path& b) {
            return backups::sortKey(a.filename().string()) <
                   backups::sortKey(b.filename().string());
        });
        for (std::size_t i = 0; i < folders.size() - backupsToKeep; ++i) {
            try {
                fs->remove(folders[i]);
            } catch (...) {
                // Pruning never makes a backup fail.
            }
        }
    } catch (...) {
        // Listing failed, or memory ran out: the backups stay as they are.
    }
}

} // namespace marklode
