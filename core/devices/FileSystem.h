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

// Every file operation on a device volume or the backups folder goes through this port.
// Throwing operations throw FileError, carrying the operating system's description.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual bool fileExists(const Path& path) const = 0;
    virtual bool isDirectory(const Path& path) const = 0;
    virtual std::vector<Path> contentsOfDirectory(const Path& directory) const = 0;
    virtual Bytes readData(const Path& path) const = 0;
    virtual void createDirectory(const Path& path) const = 0;
    virtual void writeAndSync(std::span<const std::uint8_t> data, const Path& path) const = 0;
    virtual void rename(const Path& source, const Path& destination) const = 0;
    virtual void copy(const Path& source, const Path& destination) const = 0;
    virtual void remove(const Path& path) const = 0;
    virtual bool isVolumeWritable(const Path& path) const = 0;
    virtual std::optional<std::int64_t> availableCapacity(const Path& path) const = 0;
    // Whether the item itself is a symbolic link (not followed). Never fails. Implementations
    // that have no links (in-memory ones) may keep this answer.
    virtual bool isSymbolicLink(const Path&) const { return false; }
};

// Copies share one implementation, so every copy behaves the same.
using FileSystemHandle = std::shared_ptr<const FileSystem>;

} // namespace marklode
