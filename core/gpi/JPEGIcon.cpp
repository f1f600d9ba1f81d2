#include "core/gpi/IconImage.h"
#include "core/gpi/IconScaling.h"

#include <memory>
#include <new>
#include <turbojpeg.h>
#include <vector>

namespace marklode {

namespace {

struct Destroy {
    void operator()(void* handle) const { tjDestroy(handle); }
};

// The smallest size the decoder can give by itself that still leaves the box filter at least
// two picture pixels for each icon pixel, so a large photo is never held at its full size.
tjscalingfactor decodingScale(int width, int height) {
    IconSize icon = iconSizeFor(width, height);
    tjscalingfactor best{1, 1};
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor& factor = factors[i];
        int scaledWidth = TJSCALED(width, factor);
        int scaledHeight = TJSCALED(height, factor);
        if (factor.num < factor.denom && scaledWidth >= 2 * icon.width &&
            scaledHeight >= 2 * icon.height && scaledWidth < TJSCALED(width, best))
            best = factor;
    }
    return best;
}

// Stored CMYK is inverted (255 is no ink), as image editors write it: each colour is what its
// ink and the black leave of white.
void cmykToBGR(std::vector<std::uint8_t>& pixels) {
    std::size_t count = pixels.size() / 4;
    auto leave = [](unsigned ink, unsigned black) {
        return static_cast<std::uint8_t>((ink * black + 127) / 255);
    };
    for (std::size_t p = 0; p < count; ++p) {
        unsigned cyan = pixels[4 * p], magenta = pixels[4 * p + 1], yellow = pixels[4 * p + 2];
        unsigned black = pixels[4 * p + 3];
        pixels[3 * p] = leave(yellow, black);
        pixels[3 * p + 1] = leave(magenta, black);
        pixels[3 * p + 2] = leave(cyan, black);
    }
    pixels.resize(3 * count);
}

} // namespace

GPIIcon iconFromJPEG(std::span<const std::uint8_t> jpeg) {
    std::unique_ptr<void, Destroy> decoder(tjInitDecompress());
    if (!decoder)
        throw std::bad_alloc();
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(decoder.get(), jpeg.data(), jpeg.size(), &width, &height, &subsampling,
                            &colourSpace) != 0 ||
        width < 1 || height < 1)
        throw GPIIconError::damaged(ImageFormat::jpeg);
    if (width > GPIIcon::maxImageSide || height > GPIIcon::maxImageSide)
        throw GPIIconError::tooLarge(width, height);

    tjscalingfactor scale = decodingScale(width, height);
    int scaledWidth = TJSCALED(width, scale);
    int scaledHeight = TJSCALED(height, scale);
    bool cmyk = colourSpace == TJCS_CMYK || colourSpace == TJCS_YCCK;
    int pixelFormat = cmyk ? TJPF_CMYK : TJPF_BGR;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(scaledWidth) * scaledHeight *
                                     tjPixelSize[pixelFormat]);
    // A warning means a cut or corrupt stream whose gaps the decoder would fill with grey; an
    // endless run of progressive scans is refused rather than decoded for minutes.
    if (tjDecompress2(decoder.get(), jpeg.data(), jpeg.size(), pixels.data(), scaledWidth, 0,
                      scaledHeight, pixelFormat, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0)
        throw GPIIconError::damaged(ImageFormat::jpeg);
    if (cmyk)
        cmykToBGR(pixels);
    return iconOfPicture({scaledWidth, scaledHeight, false, pixels});
}

} // namespace marklode
