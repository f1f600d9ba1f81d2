#pragma once

#include <filesystem>
#include <system_error>

namespace marklode {

// An operating-system file error, passed through unchanged (errno and its text), tagged with
// whether it happened while reading or writing so that the wording can tell the two apart.
class FileError : public std::system_error {
  public:
    enum class Operation { read, write };

    FileError(Operation operation, int errorNumber, const std::filesystem::path& path)
        : std::system_error(errorNumber, std::generic_category(), path.string()),
          operation(operation), path(path) {}

    Operation operation;
    std::filesystem::path path;
};

} // namespace marklode
