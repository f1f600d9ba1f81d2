#include "core/io/FileBytes.h"

#include "core/io/ReadFile.h"

#include <cerrno>
#include <sys/mman.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace marklode {

FileBytes::FileBytes(std::string bytes) : read_(std::move(bytes)) {
    if (read_.capacity() - read_.size() < readSpareCapacity)
        read_.reserve(read_.size() + readSpareCapacity);
}

FileBytes FileBytes::mapped(int fd, std::size_t size) {
    static const auto pageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t length = (size + readSpareCapacity + pageSize - 1) / pageSize * pageSize;
    // Zero pages reserve the whole length first: where the file ends on a page boundary, the
    // spare bytes after it come from them rather than from a page past the file's end, which
    // would fault.
    void* region =
        ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (region == MAP_FAILED)
        throw std::system_error(errno, std::generic_category(), "mmap");
    if (size > 0 && ::mmap(region, size, PROT_READ, MAP_PRIVATE | MAP_FIXED, fd, 0) == MAP_FAILED) {
        int error = errno;
        ::munmap(region, length);
        throw std::system_error(error, std::generic_category(), "mmap");
    }
    // Parsers pass over the bytes once: worth reading ahead, and pages behind may go first.
    ::madvise(region, length, MADV_SEQUENTIAL);
    FileBytes bytes;
    bytes.mapping_ = region;
    bytes.mappingLength_ = length;
    bytes.mappedSize_ = size;
    return bytes;
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : read_(std::move(other.read_)), mapping_(std::exchange(other.mapping_, nullptr)),
      mappingLength_(std::exchange(other.mappingLength_, 0)),
      mappedSize_(std::exchange(other.mappedSize_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        release();
        read_ = std::move(other.read_);
        mapping_ = std::exchange(other.mapping_, nullptr);
        mappingLength_ = std::exchange(other.mappingLength_, 0);
        mappedSize_ = std::exchange(other.mappedSize_, 0);
    }
    return *this;
}

FileBytes::~FileBytes() {
    release();
}

void FileBytes::release() noexcept {
    if (mapping_)
        ::munmap(mapping_, mappingLength_);
    mapping_ = nullptr;
    mappingLength_ = 0;
    mappedSize_ = 0;
}

std::string_view FileBytes::view() const {
    if (mapping_)
        return {static_cast<const char*>(mapping_), mappedSize_};
    return read_;
}

} // namespace marklode
