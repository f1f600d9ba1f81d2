#include "core/io/LocalFileSystem.h"

#include "core/io/FileError.h"
#include "core/io/ReadFile.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace marklode {

namespace {

using Op = FileError::Operation;

[[noreturn]] void fail(Op operation, const Path& path, int code = errno) {
    throw FileError(operation, code, path);
}

[[noreturn]] void fail(Op operation, const std::filesystem::filesystem_error& error) {
    throw FileError(operation, error.code().value(), error.path1());
}

bool writeAll(int fd, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool LocalFileSystem::fileExists(const Path& path) const {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool LocalFileSystem::isDirectory(const Path& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<Path> LocalFileSystem::contentsOfDirectory(const Path& directory) const {
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        fail(Op::read, directory);
    std::vector<Path> entries;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back(directory / entry->d_name);
        errno = 0;
    }
    int error = errno;
    ::closedir(dir);
    if (error != 0)
        fail(Op::read, directory, error);
    return entries;
}

Bytes LocalFileSystem::readData(const Path& path, std::uint64_t maxBytes) const {
    std::string bytes = readFileBytes(path, maxBytes);
    return Bytes(bytes.begin(), bytes.end());
}

Bytes LocalFileSystem::readDataFromMedium(const Path& path, std::uint64_t maxBytes) const {
    std::string bytes = readFileBytesFromMedium(path, maxBytes);
    return Bytes(bytes.begin(), bytes.end());
}

void LocalFileSystem::createDirectory(const Path& path) const {
    std::error_code code;
    std::filesystem::create_directories(path, code);
    if (code)
        throw FileError(Op::write, code.value(), path);
}

void LocalFileSystem::writeAndSync(std::span<const std::uint8_t> data, const Path& path) const {
    // A fresh file, never one reached through a link planted at the path nor one another
    // process still has open: whatever is there goes first, and the create must make it.
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        fail(Op::write, path);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        fail(Op::write, path);
    int firstError = 0;
    if (!writeAll(fd, data) || ::fsync(fd) != 0)
        firstError = errno;
    ::close(fd); // its failure is ignored: the data is already on the medium or the error is known
    if (firstError != 0)
        fail(Op::write, path, firstError);
}

void LocalFileSystem::rename(const Path& source, const Path& destination) const {
    if (::rename(source.c_str(), destination.c_str()) != 0)
        fail(Op::write, source, errno != 0 ? errno : EIO);
}

void LocalFileSystem::copy(const Path& source, const Path& destination) const {
    if (fileExists(destination))
        fail(Op::write, destination, EEXIST);
    try {
        std::filesystem::copy(source, destination, std::filesystem::copy_options::recursive);
    } catch (const std::filesystem::filesystem_error& error) {
        fail(Op::write, error);
    }
}

void LocalFileSystem::remove(const Path& path) const {
    if (!fileExists(path))
        fail(Op::write, path, ENOENT);
    std::error_code code;
    std::filesystem::remove_all(path, code);
    if (code)
        throw FileError(Op::write, code.value(), path);
}

bool LocalFileSystem::isVolumeWritable(const Path& path) const {
    struct statvfs volume {};
    if (::statvfs(path.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0)
        return false;
    return ::access(path.c_str(), W_OK) == 0;
}

std::optional<std::int64_t> LocalFileSystem::availableCapacity(const Path& path) const {
    struct statvfs volume {};
    if (::statvfs(path.c_str(), &volume) != 0 || volume.f_frsize == 0)
        return std::nullopt;
    return static_cast<std::int64_t>(volume.f_bavail) * static_cast<std::int64_t>(volume.f_frsize);
}

bool LocalFileSystem::isSymbolicLink(const Path& path) const {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

void LocalFileSystem::syncDirectory(const Path& directory) const {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail(Op::write, directory);
    // Some file systems can't sync a directory (EINVAL); their entries are as durable as
    // they get.
    int error = ::fsync(fd) != 0 && errno != EINVAL ? errno : 0;
    ::close(fd);
    if (error != 0)
        fail(Op::write, directory, error);
}

namespace {

// flock belongs to the open file description: another open of the same directory, in this
// process or another, is refused while this one holds it.
class FlockedDirectory final : public DirectoryLock {
  public:
    explicit FlockedDirectory(int fd) : fd_(fd) {}
    ~FlockedDirectory() override { ::close(fd_); }
    FlockedDirectory(const FlockedDirectory&) = delete;
    FlockedDirectory& operator=(const FlockedDirectory&) = delete;

  private:
    int fd_;
};

} // namespace

std::unique_ptr<DirectoryLock> LocalFileSystem::tryLockDirectory(const Path& directory) const {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fail(Op::write, directory);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        if (error == EINTR)
            continue;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return nullptr;
        fail(Op::write, directory, error);
    }
    return std::make_unique<FlockedDirectory>(fd);
}

FileSystemHandle localFileSystem() {
    return std::make_shared<LocalFileSystem>();
}

} // namespace marklode
