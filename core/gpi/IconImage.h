#pragma once

#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIIconError.h"

#include <cstdint>
#include <optional>
#include <span>

namespace marklode {

// The format of an image by its first bytes, whatever its file is called; none for anything else.
std::optional<ImageFormat> imageFormatOf(std::span<const std::uint8_t> bytes);

// The icon of a PNG or JPEG, as GPIIcon::fromImage describes. Throws GPIIconError: tooLarge
// before anything is decoded, damaged for whatever the decoder refuses.
GPIIcon iconFromPNG(std::span<const std::uint8_t> png);
GPIIcon iconFromJPEG(std::span<const std::uint8_t> jpeg);

} // namespace marklode
