#pragma once

#include <string>

namespace marklode {

// A plain error carrying the message the user sees, raised by the application's own checks.
struct LoadError {
    std::string message;
    bool operator==(const LoadError&) const = default;
};

} // namespace marklode
