#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace marklode {

// A byte count as a file size in decimal units: "999 bytes", "166 KB", "1.2 MB", "1.23 GB".
std::string formattedByteCount(std::int64_t bytes);

// Two different counts shown side by side, as formattedByteCount shows them unless they would
// read the same; then both get as many more fraction digits in their shared unit as it takes to
// tell them apart, trailing zeros kept: "1.6001 MB" and "1.6000 MB".
std::pair<std::string, std::string> distinctByteCounts(std::int64_t first, std::int64_t second);

} // namespace marklode
