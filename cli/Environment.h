#pragma once

#include <string>

namespace marklode::cli {

// The region of the user's locale from LC_ALL, LC_MEASUREMENT or LANG ("en_US.UTF-8" gives
// "US"); empty when none is set or the locale names no region.
std::string environmentRegion();

} // namespace marklode::cli
