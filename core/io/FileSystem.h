#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace marklode {

using Path = std::filesystem::path;
using Bytes = std::vector<std::uint8_t>;

// Held while a transfer owns a device; released when destroyed.
class DirectoryLock {
  public:
    virtual ~DirectoryLock() = default;
};

// Every file operation on a device volume or the backups folder goes through this port.
// Throwing operations throw FileError, carrying the operating system's description.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual bool fileExists(const Path& path) const = 0;
    virtual bool isDirectory(const Path& path) const = 0;
    virtual std::vector<Path> contentsOfDirectory(const Path& directory) const = 0;
    // Only regular files are read, and at most maxBytes of them: anything else or larger
    // throws, so that a pipe, a device or a huge file can neither hang nor exhaust memory.
    virtual Bytes readData(const Path& path, std::uint64_t maxBytes) const = 0;
    virtual void createDirectory(const Path& path) const = 0;
    // Replaces whatever is at the path (a link included, never followed) with a new file
    // holding exactly these bytes, forced to the storage device.
    virtual void writeAndSync(std::span<const std::uint8_t> data, const Path& path) const = 0;
    virtual void rename(const Path& source, const Path& destination) const = 0;
    virtual void copy(const Path& source, const Path& destination) const = 0;
    virtual void remove(const Path& path) const = 0;
    virtual bool isVolumeWritable(const Path& path) const = 0;
    virtual std::optional<std::int64_t> availableCapacity(const Path& path) const = 0;
    // Whether the item itself is a symbolic link (not followed). Never fails. Implementations
    // that have no links (in-memory ones) may keep this answer.
    virtual bool isSymbolicLink(const Path&) const { return false; }
    // Forces the directory's entries (a rename into it, say) to the storage device. Throws.
    // Implementations whose changes are durable at once may keep this.
    virtual void syncDirectory(const Path&) const {}
    // As readData, but the bytes come from the storage device rather than from a cache, so
    // that a check of them says what the medium holds. Implementations without a cache may
    // keep this.
    virtual Bytes readDataFromMedium(const Path& path, std::uint64_t maxBytes) const {
        return readData(path, maxBytes);
    }
    // An exclusive lock on the directory, shared by every process that asks; none when
    // another holder has it. Throws when the directory can't be opened.
    virtual std::unique_ptr<DirectoryLock> tryLockDirectory(const Path& directory) const = 0;
};

// Copies share one implementation, so every copy behaves the same.
using FileSystemHandle = std::shared_ptr<const FileSystem>;

} // namespace marklode
