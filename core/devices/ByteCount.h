#pragma once

#include <cstdint>
#include <string>

namespace marklode {

// A byte count as a file size in decimal units: "999 bytes", "166 KB", "1.2 MB", "1.23 GB".
std::string formattedByteCount(std::int64_t bytes);

} // namespace marklode
