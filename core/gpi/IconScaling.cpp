#include "core/gpi/IconScaling.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace marklode {

IconSize iconSizeFor(int width, int height) {
    int longer = std::max(width, height);
    if (longer <= GPIIcon::maxSide)
        return {width, height};
    auto shorter = [longer](int side) {
        auto scaled = std::lround(static_cast<double>(side) * GPIIcon::maxSide / longer);
        return std::max(1, static_cast<int>(scaled));
    };
    return width >= height ? IconSize{GPIIcon::maxSide, shorter(height)}
                           : IconSize{shorter(width), GPIIcon::maxSide};
}

namespace {

// Hands one picture cell (a column or a row) to the icon cells it overlaps, each with the length
// of the overlap. Measured so that a picture cell is iconCount long and an icon cell pictureCount
// long, every bound is a whole number and the lengths one icon cell gets add up to pictureCount.
template <typename Add>
void spread(std::size_t pictureCell, std::size_t iconCount, std::size_t pictureCount, Add add) {
    std::size_t start = pictureCell * iconCount;
    std::size_t end = start + iconCount;
    for (std::size_t cell = start / pictureCount; start < end; ++cell) {
        std::size_t stop = std::min(end, (cell + 1) * pictureCount);
        add(cell, stop - start);
        start = stop;
    }
}

} // namespace

GPIIcon iconOfPicture(const PictureView& picture) {
    const std::size_t channels = picture.hasAlpha ? 4 : 3;
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    if (picture.width < 1 || picture.height < 1 ||
        picture.pixels.size() != width * height * channels)
        throw std::invalid_argument("picture size and pixel count disagree");
    const IconSize size = iconSizeFor(picture.width, picture.height);
    const auto iconWidth = static_cast<std::size_t>(size.width);
    const auto iconHeight = static_cast<std::size_t>(size.height);

    // Colours are kept times 255 so that laying a pixel on white loses nothing before the
    // average: colour * alpha + 255 * (255 - alpha). At most 255 * 255 * 4096 * 4096 in a sum.
    std::vector<std::uint64_t> rowSums(iconWidth * 3);
    std::vector<std::uint64_t> sums(iconWidth * iconHeight * 3, 0);
    for (std::size_t y = 0; y < height; ++y) {
        std::fill(rowSums.begin(), rowSums.end(), 0);
        const std::uint8_t* pixel = picture.pixels.data() + y * width * channels;
        for (std::size_t x = 0; x < width; ++x, pixel += channels) {
            std::uint64_t alpha = picture.hasAlpha ? pixel[3] : 255;
            std::uint64_t white = 255 * (255 - alpha);
            spread(x, iconWidth, width, [&](std::size_t column, std::size_t weight) {
                for (std::size_t c = 0; c < 3; ++c)
                    rowSums[3 * column + c] += weight * (pixel[c] * alpha + white);
            });
        }
        spread(y, iconHeight, height, [&](std::size_t row, std::size_t weight) {
            for (std::size_t i = 0; i < rowSums.size(); ++i)
                sums[row * rowSums.size() + i] += weight * rowSums[i];
        });
    }

    const std::uint64_t total = 255 * std::uint64_t{width} * height;
    std::vector<std::uint8_t> bgr(sums.size());
    std::transform(sums.begin(), sums.end(), bgr.begin(), [total](std::uint64_t sum) {
        return static_cast<std::uint8_t>((sum + total / 2) / total);
    });
    return GPIIcon(size.width, size.height, std::move(bgr), false);
}

} // namespace marklode
