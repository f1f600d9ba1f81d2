#pragma once

#include <exception>
#include <string>

namespace marklode {

// The text of an error that becomes the detail of a DeviceTransferError: the operating
// system's text for file errors.
std::string errorDescription(std::exception_ptr error);

} // namespace marklode
