#include "core/io/AtomicWrite.h"

#include <random>
#include <string>

namespace marklode {

std::string uniqueNameSuffix() {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = letters[pick(random)];
    return suffix;
}

namespace {

// A hidden name that no other writer picks: ".NAME.XXXXXX.tmp".
Path temporaryPathBeside(const Path& target, const FileSystem& fileSystem) {
    Path candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate = target.parent_path() /
                    ("." + target.filename().string() + "." + uniqueNameSuffix() + ".tmp");
        if (!fileSystem.fileExists(candidate))
            break;
    }
    return candidate;
}

} // namespace

void writeAtomically(std::span<const std::uint8_t> bytes, const Path& path,
                     const FileSystem& fileSystem) {
    Path temporary = temporaryPathBeside(path, fileSystem);
    try {
        fileSystem.writeAndSync(bytes, temporary);
        fileSystem.rename(temporary, path);
    } catch (...) {
        try {
            if (fileSystem.fileExists(temporary))
                fileSystem.remove(temporary);
        } catch (...) {
            // The original failure is the one worth reporting.
        }
        throw;
    }
}

} // namespace marklode
