#pragma once

#include <filesystem>
#include <system_error>

namespace marklode {

// Reasons a file is refused that have no errno of their own.
enum class FileProblem {
    notRegularFile = 1, // a pipe, device or socket would block or never end
    tooLarge,           // larger than the reader accepts for this kind of file
};

const std::error_category& fileProblemCategory();

inline std::error_code make_error_code(FileProblem problem) {
    return {static_cast<int>(problem), fileProblemCategory()};
}

// An operating-system file error, passed through unchanged (errno and its text), tagged with
// whether it happened while reading or writing so that the wording can tell the two apart.
class FileError : public std::system_error {
  public:
    enum class Operation { read, write };

    FileError(Operation operation, int errorNumber, const std::filesystem::path& path)
        : FileError(operation, std::error_code(errorNumber, std::generic_category()), path) {}
    FileError(Operation operation, std::error_code code, const std::filesystem::path& path)
        : std::system_error(code, path.string()), operation(operation), path(path) {}

    Operation operation;
    std::filesystem::path path;
};

} // namespace marklode

template <> struct std::is_error_code_enum<marklode::FileProblem> : std::true_type {};
