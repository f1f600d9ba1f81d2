#pragma once

#include "core/io/FileSystem.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>

namespace marklode::test {

// An in-memory FileSystem with volumes and fault injection. Paths outside every volume (the
// backup root, say) behave like an unlimited writable disk.
class MemoryFileSystem final : public FileSystem {
  public:
    enum class Op {
        fileExists,
        isDirectory,
        contentsOfDirectory,
        readData,
        createDirectory,
        writeAndSync,
        rename,
        copy,
        remove,
        isVolumeWritable,
        availableCapacity,
        isSymbolicLink,
        syncDirectory,
        tryLockDirectory,
    };
    static constexpr std::size_t opCount = 14;

    struct Call {
        Op op;
        Path path;
    };

    // Volumes. capacity is the volume's size: what the stored files leave of it is free.
    // None means the volume reports no capacity and never fills up.
    void addVolume(const Path& root, std::optional<std::int64_t> capacity = std::nullopt,
                   bool readOnly = false);
    void setReadOnly(const Path& root, bool readOnly);
    // The volume is unplugged at the nth call of op (counted as for failCall): that call and
    // every later one on the volume fail (with EIO, or answering false or none).
    void vanishOn(const Path& root, Op op, int nth);

    // Faults. The nth call (1-based, counted per operation over the whole file system) fails;
    // a failing Boolean or optional operation answers false or none.
    void failCall(Op op, int nth, int errorNumber = EIO);
    // Every later read of the path, or of a file below it, returns the bytes passed through
    // change.
    void corruptReads(const Path& path, std::function<Bytes(Bytes)> change);

    // Setup and inspection, outside the fault machinery.
    void addFile(const Path& path, std::string_view bytes);
    void addDirectory(const Path& path);
    std::optional<std::string> file(const Path& path) const;
    bool exists(const Path& path) const;
    std::vector<std::string> namesIn(const Path& directory) const; // sorted
    std::vector<Call> calls() const;

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
    std::unique_ptr<DirectoryLock> tryLockDirectory(const Path& directory) const override;

  private:
    struct Node {
        bool directory = false;
        Bytes data;
    };
    struct Volume {
        Path root;
        std::optional<std::int64_t> capacity;
        bool readOnly = false;
        std::optional<std::pair<Op, int>> goesAt;
        bool gone = false;
    };

    // Counts the call and reports whether it is to fail, and with which errno.
    std::optional<int> enter(Op op, const Path& path) const;
    Volume* volumeOf(const Path& path) const;
    void makeParents(const Path& path) const;
    void checkWritable(const Path& path) const;
    void charge(const Path& path, std::int64_t bytes) const;

    mutable std::recursive_mutex mutex_;
    mutable std::map<Path, Node> nodes_;
    mutable std::vector<Volume> volumes_;
    mutable std::array<int, opCount> counts_{};
    mutable std::map<std::pair<Op, int>, int> faults_;
    std::map<Path, std::function<Bytes(Bytes)>> corruptions_;
    mutable std::vector<Call> calls_;
    mutable std::set<Path> locked_;
};

} // namespace marklode::test
