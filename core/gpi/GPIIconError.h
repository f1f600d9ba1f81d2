#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace marklode {

// Thrown by value for a BMP file that can't be used as an icon. Unlike the other core errors
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
    using Kind = std::variant<UnsupportedHeader, UnsupportedBitDepth, InvalidSize, NotABMP,
                              Compressed, Truncated>;

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

    std::string description() const;
    bool operator==(const GPIIconError&) const = default;
};

} // namespace marklode
