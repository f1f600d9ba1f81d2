#include "core/gpi/IconImage.h"

#include <algorithm>
#include <array>

namespace marklode {

std::optional<ImageFormat> imageFormatOf(std::span<const std::uint8_t> bytes) {
    auto startsWith = [bytes](std::span<const std::uint8_t> signature) {
        return bytes.size() >= signature.size() &&
               std::equal(signature.begin(), signature.end(), bytes.begin());
    };
    static constexpr std::array<std::uint8_t, 8> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    static constexpr std::array<std::uint8_t, 3> jpeg{0xFF, 0xD8, 0xFF};
    static constexpr std::array<std::uint8_t, 2> bmp{'B', 'M'};
    if (startsWith(png))
        return ImageFormat::png;
    if (startsWith(jpeg))
        return ImageFormat::jpeg;
    if (startsWith(bmp))
        return ImageFormat::bmp;
    return std::nullopt;
}

GPIIcon GPIIcon::fromImage(std::span<const std::uint8_t> bytes) {
    auto format = imageFormatOf(bytes);
    if (!format)
        throw GPIIconError::notAnImage();
    switch (*format) {
    case ImageFormat::png:
        return iconFromPNG(bytes);
    case ImageFormat::jpeg:
        return iconFromJPEG(bytes);
    case ImageFormat::bmp:
        break;
    }
    return fromBMP(bytes);
}

} // namespace marklode
