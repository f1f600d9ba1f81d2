#pragma once

#include "core/io/LocalFileSystem.h"

namespace marklode::test {

// The local disk; a test overrides just the operations it makes fail or watches.
class ForwardingFileSystem : public FileSystem {
  public:
    bool fileExists(const Path& p) const override { return local.fileExists(p); }
    bool isDirectory(const Path& p) const override { return local.isDirectory(p); }
    std::vector<Path> contentsOfDirectory(const Path& d) const override {
        return local.contentsOfDirectory(d);
    }
    Bytes readData(const Path& p, std::uint64_t maxBytes) const override {
        return local.readData(p, maxBytes);
    }
    void createDirectory(const Path& p) const override { local.createDirectory(p); }
    void writeAndSync(std::span<const std::uint8_t> data, const Path& p) const override {
        local.writeAndSync(data, p);
    }
    void rename(const Path& s, const Path& d) const override { local.rename(s, d); }
    void copy(const Path& s, const Path& d) const override { local.copy(s, d); }
    void remove(const Path& p) const override { local.remove(p); }
    bool isVolumeWritable(const Path& p) const override { return local.isVolumeWritable(p); }
    std::optional<std::int64_t> availableCapacity(const Path& p) const override {
        return local.availableCapacity(p);
    }
    bool isSymbolicLink(const Path& p) const override { return local.isSymbolicLink(p); }
    void syncDirectory(const Path& d) const override { local.syncDirectory(d); }
    Bytes readDataFromMedium(const Path& p, std::uint64_t maxBytes) const override {
        return local.readDataFromMedium(p, maxBytes);
    }
    std::unique_ptr<DirectoryLock> tryLockDirectory(const Path& d) const override {
        return local.tryLockDirectory(d);
    }

    LocalFileSystem local;
};

} // namespace marklode::test
