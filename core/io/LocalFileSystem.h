#pragma once

#include "core/io/FileSystem.h"

namespace marklode {

class LocalFileSystem final : public FileSystem {
  public:
    bool fileExists(const Path& path) const override;
    bool isDirectory(const Path& path) const override;
    std::vector<Path> contentsOfDirectory(const Path& directory) const override;
    Bytes readData(const Path& path, std::uint64_t maxBytes) const override;
    void createDirectory(const Path& path) const override;
    void writeAndSync(std::span<const std::uint8_t> data, const Path& path) const override;
    void rename(const Path& source, const Path& destination) const override;
    void copy(const Path& source, const Path& destination) const override;
    void remove(const Path& path) const override;
    bool isVolumeWritable(const Path& path) const override;
    std::optional<std::int64_t> availableCapacity(const Path& path) const override;
    bool isSymbolicLink(const Path& path) const override;
    void syncDirectory(const Path& directory) const override;
    Bytes readDataFromMedium(const Path& path, std::uint64_t maxBytes) const override;
    std::unique_ptr<DirectoryLock> tryLockDirectory(const Path& directory) const override;
};

FileSystemHandle localFileSystem();

} // namespace marklode
