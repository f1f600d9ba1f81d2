#pragma once

#include <string>
#include <string_view>

namespace marklode {

// Names of devices, files, POIs and categories stand between curly quotes in what the user
// reads.
inline std::string curlyQuoted(std::string_view name) {
    return "\u201C" + std::string(name) + "\u201D";
}

} // namespace marklode
