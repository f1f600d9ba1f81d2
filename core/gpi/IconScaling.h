#pragma once

#include "core/gpi/GPIIcon.h"

#include <cstdint>
#include <span>

namespace marklode {

struct IconSize {
    int width = 0;
    int height = 0;
    bool operator==(const IconSize&) const = default;
};

// The icon's size for a picture: the picture's own when it fits, else the longer side becomes
// GPIIcon::maxSide and the shorter keeps the proportion, rounded, at least one pixel.
IconSize iconSizeFor(int width, int height);

// A decoded picture: top-down rows without padding of blue, green, red bytes, followed by an
// alpha byte (not premultiplied) when hasAlpha.
struct PictureView {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::span<const std::uint8_t> pixels;
};

// The picture laid on white and scaled to iconSizeFor its size: each icon pixel is the average
// of the picture's area it covers, partly covered pixels weighed by the part, so that fine lines
// fade rather than vanish. The picture's size and pixel count must agree.
GPIIcon iconOfPicture(const PictureView& picture);

} // namespace marklode
