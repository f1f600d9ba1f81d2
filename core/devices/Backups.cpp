#include "core/devices/Backups.h"

#include "core/devices/BackupList.h"
#include "core/devices/DeviceTransfer.h"
#include "core/devices/ErrorDescription.h"
#include "core/io/AtomicWrite.h"
#include "core/io/FileError.h"
#include "core/text/Translation.h"
#include "core/text/UnicodeText.h"

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

std::optional<std::chrono::system_clock::time_point> stampTime(std::string_view name) {
    if (!isBackupFolderName(name))
        return std::nullopt;
    auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        std::from_chars(name.data() + at, name.data() + at + length, value);
        return value;
    };
    std::tm local{};
    local.tm_year = number(0, 4) - 1900;
    local.tm_mon = number(5, 2) - 1;
    local.tm_mday = number(8, 2);
    local.tm_hour = number(11, 2);
    local.tm_min = number(14, 2);
    local.tm_sec = number(17, 2);
    local.tm_isdst = -1;
    const std::tm asWritten = local;
    std::time_t seconds = std::mktime(&local);
    // mktime carries a 31 February into March; such a name was never stamped.
    if (seconds == std::time_t(-1) || local.tm_year != asWritten.tm_year ||
        local.tm_mon != asWritten.tm_mon || local.tm_mday != asWritten.tm_mday)
        return std::nullopt;
    return std::chrono::system_clock::from_time_t(seconds);
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

namespace {

// Renames the finished copy to the first free stamp name; another backup may take a name
// between the look and the rename, and then the next one is tried.
Path moveIntoPlace(const FileSystem& fs, const Path& partial, const Path& deviceFolder,
                   const std::string& stamp) {
    for (int n = 1;; ++n) {
        Path candidate = deviceFolder / (n == 1 ? stamp : stamp + "-" + std::to_string(n));
        if (fs.fileExists(candidate))
            continue;
        try {
            fs.rename(partial, candidate);
            return candidate;
        } catch (...) {
            if (!fs.fileExists(candidate))
                throw;
        }
    }
}

constexpr std::string_view partialPrefix = ".incomplete-";

// Every backup holds the device folder's lock while its hidden copy exists, so whatever hidden
// copy the lock holder finds was left by a backup that was killed.
void removeKilledCopies(const FileSystem& fs, const Path& deviceFolder) {
    try {
        for (const Path& entry : fs.contentsOfDirectory(deviceFolder))
            if (entry.filename().string().starts_with(partialPrefix))
                fs.remove(entry);
    } catch (...) {
        // A leftover never counts as a backup; the next backup tries again.
    }
}

void discard(const FileSystem& fs, const Path& partialBackup) {
    try {
        if (fs.fileExists(partialBackup))
            fs.remove(partialBackup);
    } catch (...) {
        // A hidden leftover is never taken for a backup.
    }
}

} // namespace

std::optional<Path> DeviceTransfer::backUpExisting(const GarminDevice& device,
                                                   const std::optional<Path>& alsoKeep) const {
    if (!fs->fileExists(device.poiFileURL()))
        return std::nullopt;
    Path deviceFolder = deviceBackupFolder(backupRoot, device);
    // Two devices with one name share the folder; a backup for the other one, in any process,
    // holds it as long as it writes, prunes or tidies there.
    std::unique_ptr<DirectoryLock> held;
    try {
        fs->createDirectory(deviceFolder);
        held = fs->tryLockDirectory(deviceFolder);
    } catch (...) {
        throw DeviceTransferError::backupFailed(errorDescription(std::current_exception()));
    }
    if (!held)
        throw DeviceTransferError::busy(device.displayName());
    removeKilledCopies(*fs, deviceFolder);
    // Hidden, so no backup-folder name: never counted, never pruned, never restored.
    Path partial = deviceFolder / (std::string(partialPrefix) + uniqueNameSuffix());
    Path folder;
    try {
        Bytes original = fs->readData(device.poiFileURL(), maxPOIFileBytes);
        std::string stamp = backups::stamp(now());
        fs->createDirectory(partial);
        Path copy = partial / "poi.gpi";
        fs->writeAndSync(original, copy);
        fs->syncDirectory(partial);
        // One byte more than the original, so that a longer copy reads as a mismatch.
        if (fs->readDataFromMedium(copy, original.size() + 1) != original)
            throw DeviceTransferError::backupFailed(
                translate("Backups", "The backup copy didn't match the original."));
        folder = moveIntoPlace(*fs, partial, deviceFolder, stamp);
        fs->syncDirectory(deviceFolder);
    } catch (const DeviceTransferError&) {
        discard(*fs, partial);
        throw;
    } catch (...) {
        std::string detail = errorDescription(std::current_exception());
        discard(*fs, partial);
        throw DeviceTransferError::backupFailed(std::move(detail));
    }
    prune(deviceFolder, folder, alsoKeep);
    return folder;
}

void DeviceTransfer::prune(const Path& deviceFolder, const Path& newBackup,
                           const std::optional<Path>& alsoKeep) const {
    try {
        std::vector<Path> others;
        std::size_t othersToKeep = backupsToKeep - 1;
        for (const Path& entry : fs->contentsOfDirectory(deviceFolder)) {
            if (entry == newBackup || !isBackupFolder(*fs, entry))
                continue;
            if (alsoKeep && entry == *alsoKeep)
                --othersToKeep; // it takes the place of the oldest that would have stayed
            else
                others.push_back(entry);
        }
        if (others.size() <= othersToKeep)
            return;
        std::stable_sort(others.begin(), others.end(), [](const Path& a, const Path& b) {
            return backups::sortKey(a.filename().string()) <
                   backups::sortKey(b.filename().string());
        });
        for (std::size_t i = 0; i < others.size() - othersToKeep; ++i) {
            try {
                fs->remove(others[i]);
            } catch (...) {
                // Pruning never makes a backup fail.
            }
        }
    } catch (...) {
        // Listing failed, or memory ran out: the backups stay as they are.
    }
}

} // namespace marklode
