#pragma once

#include "core/io/FileSystem.h"

#include <cstdint>
#include <span>
#include <string>

namespace marklode {

// Writes the bytes to a temporary file beside `path` that then replaces it in one rename, so a
// failure leaves whatever was at `path` untouched and no temporary file behind. File-system
// errors pass through unchanged.
// Six random letters and digits for a temporary name that no other writer picks.
std::string uniqueNameSuffix();

void writeAtomically(std::span<const std::uint8_t> bytes, const Path& path,
                     const FileSystem& fileSystem);

} // namespace marklode
