#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace marklode {

// The picture formats an icon is read from, told apart by their first bytes.
enum class ImageFormat { bmp, png, jpeg };

// Thrown by value for an image file that can't be used as an icon. Unlike the other core errors
// it words itself: description() is part of the user's message.
struct GPIIconError {
    struct UnsupportedHeader {
        std::int64_t size = 0;
        bool operator==(const UnsupportedHeader&) const = default;
    };
    struct UnsupportedBitDepth {
        std::int64_t bits = 0;
        bool operator==(const UnsupportedBitDepth&) const = default;
    };
    struct InvalidSize {
        std::int64_t width = 0;
        std::int64_t height = 0;
        bool operator==(const InvalidSize&) const = default;
    };
    struct NotABMP {
        bool operator==(const NotABMP&) const = default;
    };
    struct Compressed {
        bool operator==(const Compressed&) const = default;
    };
    struct Truncated {
        bool operator==(const Truncated&) const = default;
    };
    // Neither a PNG, a JPEG nor a BMP by its first bytes.
    struct NotAnImage {
        bool operator==(const NotAnImage&) const = default;
    };
    // A PNG or JPEG its decoder gave up on: cut short, or its data doesn't add up.
    struct Damaged {
        ImageFormat format = ImageFormat::png;
        bool operator==(const Damaged&) const = default;
    };
    // A PNG or JPEG whose declared size is beyond maxImageSide, refused before decoding.
    struct TooLarge {
        std::int64_t width = 0;
        std::int64_t height = 0;
        bool operator==(const TooLarge&) const = default;
    };
    using Kind = std::variant<UnsupportedHeader, UnsupportedBitDepth, InvalidSize, NotABMP,
                              Compressed, Truncated, NotAnImage, Damaged, TooLarge>;

    Kind kind;

    static GPIIconError unsupportedHeader(std::int64_t size) { return {UnsupportedHeader{size}}; }
    static GPIIconError unsupportedBitDepth(std::int64_t bits) {
        return {UnsupportedBitDepth{bits}};
    }
    static GPIIconError invalidSize(std::int64_t width, std::int64_t height) {
        return {InvalidSize{width, height}};
    }
    static GPIIconError notABMP() { return {NotABMP{}}; }
    static GPIIconError compressed() { return {Compressed{}}; }
    static GPIIconError truncated() { return {Truncated{}}; }
    static GPIIconError notAnImage() { return {NotAnImage{}}; }
    static GPIIconError damaged(ImageFormat format) { return {Damaged{format}}; }
    static GPIIconError tooLarge(std::int64_t width, std::int64_t height) {
        return {TooLarge{width, height}};
    }

    // Whether the error is about a BMP's own limits, which a PNG or JPEG doesn't have.
    bool isAboutBMP() const;

    std::string description() const;
    bool operator==(const GPIIconError&) const = default;
};

} // namespace marklode
