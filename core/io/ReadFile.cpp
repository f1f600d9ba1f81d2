#include "core/io/ReadFile.h"

#include "core/io/FileError.h"
#include "core/io/LocalDisk.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace marklode {

namespace {

class FileProblemCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "marklode.file"; }
    std::string message(int value) const override {
        switch (static_cast<FileProblem>(value)) {
        case FileProblem::notRegularFile:
            return "Not a regular file";
        case FileProblem::tooLarge:
            return "File too large";
        }
        return "Unknown file problem";
    }
};

[[noreturn]] void fail(const std::filesystem::path& path, std::error_code code) {
    throw FileError(FileError::Operation::read, code, path);
}

[[noreturn]] void failWithErrno(const std::filesystem::path& path) {
    fail(path, std::error_code(errno, std::generic_category()));
}

struct FileDescriptor {
    int fd;
    explicit FileDescriptor(int fd) : fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads to the end rather than trusting a size: a file may grow meanwhile, a pipe has none.
std::string readToEnd(int fd, const std::filesystem::path& path, std::uint64_t maxBytes,
                      std::size_t expectedSize) {
    std::string bytes;
    bytes.reserve(expectedSize + readSpareCapacity);
    char chunk[1 << 16];
    for (;;) {
        ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            // A standard input handed over non-blocking: wait for its writer as a blocking one
            // would.
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd ready{fd, POLLIN, 0};
                if (::poll(&ready, 1, -1) >= 0 || errno == EINTR)
                    continue;
            }
            failWithErrno(path);
        }
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            fail(path, FileProblem::tooLarge);
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

// Opens a regular file for reading and checks its size against maxBytes; *size is its size then.
FileDescriptor openRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                               std::uint64_t* size) {
    // Checked before opening too: opening a FIFO blocks, and opening some devices acts.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        failWithErrno(path);
    if (S_ISDIR(info.st_mode))
        fail(path, std::make_error_code(std::errc::is_a_directory));
    if (!S_ISREG(info.st_mode))
        fail(path, FileProblem::notRegularFile);

    // O_NONBLOCK: should the path have become a FIFO since the check, the open doesn't wait.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        failWithErrno(path);
    FileDescriptor guard(fd);
    if (::fstat(fd, &info) != 0)
        failWithErrno(path);
    if (!S_ISREG(info.st_mode))
        fail(path, S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                         : make_error_code(FileProblem::notRegularFile));
    *size = static_cast<std::uint64_t>(info.st_size);
    if (*size > maxBytes)
        fail(path, FileProblem::tooLarge);
    return guard;
}

std::string readBytes(const std::filesystem::path& path, std::uint64_t maxBytes, bool fromMedium) {
    std::uint64_t size = 0;
    FileDescriptor file = openRegularFile(path, maxBytes, &size);
    if (fromMedium) {
        // Pages still dirty would survive the drop; written out first, they are clean and go.
        if (::fdatasync(file.fd) != 0 && errno != EINVAL)
            failWithErrno(path);
        ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_DONTNEED);
    }
    return readToEnd(file.fd, path, maxBytes, static_cast<std::size_t>(size));
}

} // namespace

const std::error_category& fileProblemCategory() {
    static const FileProblemCategory category;
    return category;
}

std::string readFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes) {
    return readBytes(path, maxBytes, false);
}

std::string readFileBytesFromMedium(const std::filesystem::path& path, std::uint64_t maxBytes) {
    return readBytes(path, maxBytes, true);
}

FileBytes loadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes,
                        FileAccess access) {
    std::uint64_t size = 0;
    FileDescriptor file = openRegularFile(path, maxBytes, &size);
    const bool map = access == FileAccess::mapped || (access == FileAccess::byFileSystem &&
                                                      size > 0 && isOnFixedLocalDisk(file.fd));
    if (map) {
        try {
            return FileBytes::mapped(file.fd, static_cast<std::size_t>(size));
        } catch (const std::system_error&) {
            // Out of address space or a file system that cannot map: reading still works.
            if (access == FileAccess::mapped)
                throw;
        }
    }
    return FileBytes(readToEnd(file.fd, path, maxBytes, static_cast<std::size_t>(size)));
}

namespace {

bool isPipe(const std::filesystem::path& path) {
    if (path == standardInputName)
        return true;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        failWithErrno(path);
    return S_ISFIFO(info.st_mode);
}

} // namespace

FileBytes loadCommandLineInput(const std::filesystem::path& path, std::uint64_t maxBytes) {
    if (isPipe(path))
        return FileBytes(readCommandLineInput(path, maxBytes));
    return loadFileBytes(path, maxBytes);
}

std::string readCommandLineInput(const std::filesystem::path& path, std::uint64_t maxBytes) {
    if (path == standardInputName)
        return readToEnd(STDIN_FILENO, path, maxBytes, 0);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        failWithErrno(path);
    if (!S_ISFIFO(info.st_mode))
        return readFileBytes(path, maxBytes);
    // Without O_NONBLOCK: the open waits for the pipe's writer, as whoever named the pipe means.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        failWithErrno(path);
    FileDescriptor guard(fd);
    if (::fstat(fd, &info) != 0)
        failWithErrno(path);
    if (!S_ISFIFO(info.st_mode))
        fail(path, FileProblem::notRegularFile);
    return readToEnd(fd, path, maxBytes, 0);
}

} // namespace marklode
