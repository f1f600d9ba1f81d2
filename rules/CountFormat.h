#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace marklode {

// A count as the user's locale writes it ("1,234"): the window's locale in the application, the
// environment's on the command line.
using CountFormat = std::function<std::string(std::int64_t count)>;

// The count that picks a text's plural form. Counts beyond an int's range all take the form of
// large numbers, so they are held at the largest int rather than wrapped.
inline int countForPlural(std::int64_t count) {
    return static_cast<int>(std::clamp<std::int64_t>(count, 0, INT_MAX));
}

inline int countForPlural(std::size_t count) {
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

} // namespace marklode
