#pragma once

#include "core/import/POI.h"

#include <optional>
#include <string>
#include <string_view>

namespace marklode {

// What a row is searched by: its name, comment, category, address and phone, case folded once
// when the file is imported so that a keystroke only scans.
std::string searchKey(const POI& poi);

// The folded search text, or nothing when the text is only whitespace (every row matches).
std::optional<std::string> searchNeedle(std::string_view text);

bool keyMatches(std::string_view key, std::string_view needle);

} // namespace marklode
