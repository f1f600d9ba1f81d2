#include "core/import/ReadFile.h"

#include "core/import/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marklode {

namespace {

[[noreturn]] void throwErrno(const std::filesystem::path& path) {
    throw FileError(FileError::Operation::read, errno, path);
}

struct FileDescriptor {
    int fd;
    ~FileDescriptor() { ::close(fd); }
};

} // namespace

std::string readFileBytes(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwErrno(path);
    FileDescriptor guard{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throwErrno(path);
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        throwErrno(path);
    }
    std::string bytes;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    // Read to the end rather than trusting st_size: the file may grow, or be a pipe.
    char chunk[1 << 16];
    for (;;) {
        ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwErrno(path);
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

} // namespace marklode
