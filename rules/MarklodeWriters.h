#pragma once

#include "core/gpi/GPIWriter.h"

#include <optional>
#include <string>

namespace marklode {

// The writer of one input file's own .gpi: its category name (as it stands) and icon.
GPIWriter ownFileWriter(std::string categoryName, std::optional<GPIIcon> icon,
                        std::optional<GPIWriter::TimePoint> timestamp = std::nullopt);

// The writer of the combined device file; each category brings its own name and icon.
GPIWriter deviceFileWriter(std::optional<GPIWriter::TimePoint> timestamp = std::nullopt);

} // namespace marklode
