#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace marklode {

// A count as the user's locale writes it ("1,234"): the window's locale in the application, the
// environment's on the command line.
using CountFormat = std::function<std::string(std::int64_t count)>;

} // namespace marklode
