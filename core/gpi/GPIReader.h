#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace marklode {

struct GPIContents {
    struct Category {
        std::string name;
        std::int64_t poiCount = 0;
        bool operator==(const Category&) const = default;
    };

    std::vector<Category> categories;

    std::int64_t poiCount() const;
    bool operator==(const GPIContents&) const = default;
};

// Thrown by value; carries values only.
struct GPIReaderError {
    struct Damaged {
        std::int64_t offset = 0;
        bool operator==(const Damaged&) const = default;
    };
    struct NotAGPIFile {
        bool operator==(const NotAGPIFile&) const = default;
    };
    using Kind = std::variant<Damaged, NotAGPIFile>;

    Kind kind;

    static GPIReaderError damaged(std::int64_t offset) { return {Damaged{offset}}; }
    static GPIReaderError notAGPIFile() { return {NotAGPIFile{}}; }
    bool operator==(const GPIReaderError&) const = default;
};

struct GPIReader {
    // Throws GPIReaderError.
    static GPIContents read(std::span<const std::uint8_t> bytes);
};

} // namespace marklode
