#include "core/gpi/GPIIcon.h"

#include "core/gpi/GPIIconError.h"
#include "core/io/ReadFile.h"
#include "core/text/Translation.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace marklode {

std::string GPIIconError::description() const {
    using std::to_string;
    struct Describe {
        std::string operator()(const UnsupportedHeader& e) const {
            return formatted(translate("GPIIconError", "Unsupported BMP header (size %1)."),
                             {to_string(e.size)});
        }
        std::string operator()(const UnsupportedBitDepth& e) const {
            return formatted(
                translate("GPIIconError", "The icon must be a 24-bit BMP; this one is %1-bit."),
                {to_string(e.bits)});
        }
        std::string operator()(const InvalidSize& e) const {
            return formatted(translate("GPIIconError",
                                       "The icon must be at most 24x24 pixels; this one is %1x%2."),
                             {to_string(e.width), to_string(e.height)});
        }
        std::string operator()(const NotABMP&) const {
            return translate("GPIIconError", "The icon is not a BMP file.");
        }
        std::string operator()(const Compressed&) const {
            return translate("GPIIconError", "Compressed BMP files are not supported.");
        }
        std::string operator()(const Truncated&) const {
            return translate("GPIIconError", "The BMP file is incomplete.");
        }
        std::string operator()(const NotAnImage&) const {
            return translate("GPIIconError", "The icon is not a PNG, JPEG or BMP file.");
        }
        std::string operator()(const Damaged& e) const {
            //: %1 is the name of an image format: BMP, PNG or JPEG.
            return formatted(translate("GPIIconError", "The %1 file is damaged or incomplete."),
                             {formatName(e.format)});
        }
        std::string operator()(const TooLarge& e) const {
            const std::string most = to_string(GPIIcon::maxImageSide);
            return formatted(
                translate("GPIIconError",
                          "The image must be at most %1x%2 pixels; this one is %3x%4."),
                {most, most, to_string(e.width), to_string(e.height)});
        }

        static std::string_view formatName(ImageFormat format) {
            switch (format) {
            case ImageFormat::bmp:
                return "BMP";
            case ImageFormat::png:
                return "PNG";
            case ImageFormat::jpeg:
                return "JPEG";
            }
            return "image";
        }
    };
    return std::visit(Describe{}, kind);
}

bool GPIIconError::isAboutBMP() const {
    return !std::holds_alternative<NotAnImage>(kind) && !std::holds_alternative<Damaged>(kind) &&
           !std::holds_alternative<TooLarge>(kind);
}

namespace {

std::uint32_t readUInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::int32_t readInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(readUInt32(bytes, at));
}

std::uint16_t readUInt16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

GPIIcon buildDefaultIcon() {
    constexpr int side = 24;
    std::vector<std::uint8_t> bgr;
    bgr.reserve(3 * side * side);
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            double d = std::hypot(r - 11.5, c - 11.5);
            std::uint8_t blue = 0xFF, green = 0x00, red = 0xFF;
            if (d < 6.5) {
                blue = 0x20, green = 0x20, red = 0xD0;
            } else if (d < 9.5) {
                blue = 0xFF, green = 0xFF, red = 0xFF;
            } else if (d < 11) {
                blue = 0x30, green = 0x30, red = 0x30;
            }
            bgr.insert(bgr.end(), {blue, green, red});
        }
    }
    return GPIIcon(side, side, std::move(bgr), true);
}

} // namespace

GPIIcon::GPIIcon(int width, int height, std::vector<std::uint8_t> bgr, bool usesPalette)
    : width_(width), height_(height), bgr_(std::move(bgr)), usesPalette_(usesPalette) {
    if (width < 1 || width > maxSide || height < 1 || height > maxSide ||
        bgr_.size() != static_cast<std::size_t>(3 * width * height))
        throw std::invalid_argument("icon size and pixel count disagree");
}

GPIIcon GPIIcon::fromBMP(std::span<const std::uint8_t> bmp) {
    if (bmp.size() < 26 || bmp[0] != 'B' || bmp[1] != 'M')
        throw GPIIconError::notABMP();
    std::uint64_t headerSize = readUInt32(bmp, 14);
    if (headerSize < 40)
        throw GPIIconError::unsupportedHeader(static_cast<std::int64_t>(headerSize));
    if (bmp.size() < 14 + headerSize)
        throw GPIIconError::truncated();
    std::int64_t width = readInt32(bmp, 18);
    std::int64_t storedHeight = readInt32(bmp, 22);
    std::uint16_t bitsPerPixel = readUInt16(bmp, 28);
    if (bitsPerPixel != 24)
        throw GPIIconError::unsupportedBitDepth(bitsPerPixel);
    if (readUInt32(bmp, 30) != 0)
        throw GPIIconError::compressed();
    std::int64_t height = std::abs(storedHeight);
    if (width < 1 || width > maxSide || height == 0 || height > maxSide)
        throw GPIIconError::invalidSize(width, height);
    std::uint64_t pixelOffset = readUInt32(bmp, 10);
    if (pixelOffset < 14 + headerSize)
        throw GPIIconError::truncated();
    auto rowBytes = static_cast<std::size_t>(3 * width);
    std::size_t stride = (rowBytes + 3) / 4 * 4;
    auto rows = static_cast<std::size_t>(height);
    if (bmp.size() < pixelOffset + stride * rows)
        throw GPIIconError::truncated();

    std::vector<std::uint8_t> bgr;
    bgr.reserve(rowBytes * rows);
    bool bottomUp = storedHeight > 0;
    for (std::size_t r = 0; r < rows; ++r) {
        std::size_t source = bottomUp ? rows - 1 - r : r;
        auto row = bmp.subspan(static_cast<std::size_t>(pixelOffset) + source * stride, rowBytes);
        bgr.insert(bgr.end(), row.begin(), row.end());
    }
    return GPIIcon(static_cast<int>(width), static_cast<int>(height), std::move(bgr), false);
}

GPIIcon GPIIcon::contentsOf(const std::filesystem::path& path) {
    std::string bytes = readFileBytes(path, maxIconFileBytes);
    return fromImage(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

const GPIIcon& GPIIcon::defaultIcon() {
    // A function-local static is initialised exactly once, also under concurrent first calls.
    static const GPIIcon icon = buildDefaultIcon();
    return icon;
}

} // namespace marklode
