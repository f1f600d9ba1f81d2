#pragma once

#include <filesystem>
#include <string>

namespace marklode {

// The whole file as bytes. Throws FileError (read) carrying the operating system's errno.
std::string readFileBytes(const std::filesystem::path& path);

} // namespace marklode
