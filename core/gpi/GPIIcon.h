#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace marklode {

// A category's icon: at most 24x24 pixels, kept top-down as blue, green, red bytes without row
// padding. Immutable once built.
class GPIIcon {
  public:
    static constexpr int maxSide = 24;
    // A PNG or JPEG is refused unread beyond this many pixels a side: decoding one takes memory
    // for every pixel before it is scaled down.
    static constexpr int maxImageSide = 4096;

    // Throws std::invalid_argument unless 1 <= width, height <= maxSide and
    // bgr.size() == 3 * width * height.
    GPIIcon(int width, int height, std::vector<std::uint8_t> bgr, bool usesPalette);

    // An uncompressed 24-bit BMP. Throws GPIIconError.
    static GPIIcon fromBMP(std::span<const std::uint8_t> bmp);
    // A PNG, JPEG or BMP, known by its first bytes whatever the file is called. A BMP is read
    // as fromBMP does; a PNG or JPEG larger than maxSide is scaled down to it keeping its shape,
    // each pixel the average of the area it covers, and transparency is laid on white.
    // Throws GPIIconError.
    static GPIIcon fromImage(std::span<const std::uint8_t> bytes);
    // fromImage of the whole file; a read failure passes through as FileError. Files larger
    // than maxIconFileBytes are refused unread: even the largest usable picture is far below.
    static GPIIcon contentsOf(const std::filesystem::path& path);
    static constexpr std::uint64_t maxIconFileBytes = std::uint64_t{64} << 20;
    // The built-in icon: a red disc in a white ring with a dark rim on magenta (transparent).
    // Built on first use, once, also under concurrent first use.
    static const GPIIcon& defaultIcon();

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::uint8_t>& pixelsBGR() const { return bgr_; }
    bool usesPalette() const { return usesPalette_; }

    bool operator==(const GPIIcon&) const = default;

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bgr_;
    bool usesPalette_;
};

} // namespace marklode
