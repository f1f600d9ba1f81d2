#pragma once

#include "core/io/FileBytes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace marklode {

inline constexpr std::uint64_t noReadLimit = std::numeric_limits<std::uint64_t>::max();

// Room the bytes read from a file have after them, so that a parser that reads past the end in
// whole blocks can parse them where they are rather than in a copy.
inline constexpr std::size_t readSpareCapacity = 64;

// The whole file as bytes. Only regular files are read (links to them are followed): a pipe or
// device could block forever or never end. Throws FileError (read) carrying the operating
// system's errno, or FileProblem::notRegularFile / tooLarge.
std::string readFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes = noReadLimit);

// As readFileBytes, but first drops the file's cached pages so that the bytes come from the
// storage device itself rather than from memory (where the file system allows).
std::string readFileBytesFromMedium(const std::filesystem::path& path, std::uint64_t maxBytes);

// How loadFileBytes gets the bytes.
enum class FileAccess {
    byFileSystem, // mapped on a fixed local disk (see isOnFixedLocalDisk), else read
    mapped,
    read,
};

// As readFileBytes, with the same errors, but a large file on a fixed local disk is mapped rather
// than copied. Keep the result only while the bytes are used: a mapping holds on to the file.
FileBytes loadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes = noReadLimit,
                        FileAccess access = FileAccess::byFileSystem);

// How a command line names its standard input.
inline constexpr std::string_view standardInputName = "-";

// An input the user named on the command line: "-" is standard input, and a pipe (a process
// substitution such as /dev/fd/63 too) is read to its end, both within maxBytes; anything else as
// readFileBytes. Files found rather than named must go through readFileBytes.
std::string readCommandLineInput(const std::filesystem::path& path,
                                 std::uint64_t maxBytes = noReadLimit);
// readCommandLineInput with a named file loaded as loadFileBytes does.
FileBytes loadCommandLineInput(const std::filesystem::path& path,
                               std::uint64_t maxBytes = noReadLimit);

} // namespace marklode
