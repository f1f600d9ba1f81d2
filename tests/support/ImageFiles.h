#pragma once

#include "support/GPITestSupport.h"

#include <cstdint>
#include <png.h>
#include <stdexcept>
#include <string>
#include <turbojpeg.h>

namespace marklode::test {

// A PNG of the given libpng format (PNG_FORMAT_GRAY, _GA, _RGB, _RGBA, or a _COLORMAP one with
// its colour map), written by libpng itself.
inline ByteVector makePNG(int width, int height, png_uint_32 format, const ByteVector& samples,
                          const ByteVector& colourMap = {}) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    if (format & PNG_FORMAT_FLAG_COLORMAP)
        image.colormap_entries = static_cast<png_uint_32>(
            colourMap.size() / PNG_IMAGE_SAMPLE_CHANNELS(format & ~PNG_FORMAT_FLAG_COLORMAP));
    png_alloc_size_t size = 0;
    const void* map = colourMap.empty() ? nullptr : colourMap.data();
    if (!png_image_write_get_memory_size(image, size, 0, samples.data(), 0, map))
        throw std::runtime_error(std::string("libpng: ") + image.message);
    ByteVector png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, samples.data(), 0, map))
        throw std::runtime_error(std::string("libpng: ") + image.message);
    png.resize(size);
    return png;
}

// A JPEG of RGB (or, with TJPF_GRAY, grey) samples, at full chroma resolution.
inline ByteVector makeJPEG(int width, int height, const ByteVector& samples,
                           int pixelFormat = TJPF_RGB, int quality = 95) {
    tjhandle encoder = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    int subsampling = pixelFormat == TJPF_GRAY ? TJSAMP_GRAY : TJSAMP_444;
    int failed = tjCompress2(encoder, samples.data(), width, 0, height, pixelFormat, &jpeg, &size,
                             subsampling, quality, 0);
    ByteVector bytes(jpeg, jpeg + (failed ? 0 : size));
    tjFree(jpeg);
    tjDestroy(encoder);
    if (failed)
        throw std::runtime_error("TurboJPEG could not write the test image");
    return bytes;
}

// The samples of a width x height picture, row by row, each pixel's bytes from pixel(row, column).
template <typename Pixel> ByteVector samplesOf(int width, int height, Pixel pixel) {
    ByteVector samples;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            ByteVector one = pixel(r, c);
            samples.insert(samples.end(), one.begin(), one.end());
        }
    return samples;
}

} // namespace marklode::test
