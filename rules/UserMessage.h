#pragma once

#include <exception>
#include <string>

namespace marklode {

// The one table that words every error the user sees.
std::string userMessage(std::exception_ptr error);

} // namespace marklode
