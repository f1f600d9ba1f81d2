#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace marklode {

// A file's bytes, either read into memory or mapped from the file, with at least
// readSpareCapacity readable bytes after them. Move-only; a mapping is released with the object.
class FileBytes {
  public:
    FileBytes() = default;
    // Bytes read: room after them is made where the string has too little.
    explicit FileBytes(std::string bytes);
    // Maps `size` bytes of the open regular file `fd`; throws std::system_error when the system
    // refuses.
    static FileBytes mapped(int fd, std::size_t size);

    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    std::string_view view() const;
    bool isMapped() const { return mapping_ != nullptr; }

  private:
    void release() noexcept;

    std::string read_;
    void* mapping_ = nullptr;
    std::size_t mappingLength_ = 0;
    std::size_t mappedSize_ = 0;
};

} // namespace marklode
