#include "core/gpi/IconImage.h"
#include "core/gpi/IconScaling.h"

#include <png.h>
#include <vector>

namespace marklode {

GPIIcon iconFromPNG(std::span<const std::uint8_t> png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    // libpng's reading state is freed however this ends; freeing twice is harmless.
    struct Release {
        png_image& image;
        ~Release() { png_image_free(&image); }
    } release{image};
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
        throw GPIIconError::damaged(ImageFormat::png);
    if (image.width > GPIIcon::maxImageSide || image.height > GPIIcon::maxImageSide)
        throw GPIIconError::tooLarge(image.width, image.height);

    // Palette, grey and 16-bit images all arrive as 8-bit colour, with alpha only where the
    // file has transparency (an alpha channel or a transparent palette entry or colour).
    bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = hasAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        throw GPIIconError::damaged(ImageFormat::png);
    return iconOfPicture(
        {static_cast<int>(image.width), static_cast<int>(image.height), hasAlpha, pixels});
}

} // namespace marklode
