#pragma once

#include "core/import/POI.h"

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
        // Filled by readWithPOIs only, in file order.
        std::vector<POI> pois{};
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
    // The categories and their POI counts. Throws GPIReaderError.
    static GPIContents read(std::span<const std::uint8_t> bytes);
    // The same with each category's POIs: position, name, comment, alert, address and phone
    // number. A position is the shortest decimal that is stored as the same value, so what the
    // writer was given reads back unchanged to 9 decimal places. Also checks the waypoints' own
    // records, so a file that `read` accepts may be reported damaged here. Texts that are not valid
    // in the file's encoding keep their valid parts, with U+FFFD for each byte that isn't. Throws
    // GPIReaderError.
    static GPIContents readWithPOIs(std::span<const std::uint8_t> bytes);
};

} // namespace marklode
