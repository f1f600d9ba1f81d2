#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace marklode {

// Thrown by value when a file can't be built; nothing is produced. Carries values only; the
// wording belongs to userMessage.
struct GPIWriterError {
    struct InvalidCoordinate {
        std::string name;
        double latitude = 0;
        double longitude = 0;
        bool operator==(const InvalidCoordinate&) const = default;
    };
    struct StringTooLong {
        std::string text;
        bool operator==(const StringTooLong&) const = default;
    };
    struct InvalidAlertValue {
        std::string name;
        bool operator==(const InvalidAlertValue&) const = default;
    };
    struct EmptyCategoryName {
        bool operator==(const EmptyCategoryName&) const = default;
    };
    // More categories than the 16-bit bitmap ids can tell apart.
    struct TooManyCategories {
        std::size_t count = 0;
        bool operator==(const TooManyCategories&) const = default;
    };
    // A category whose record, `length` bytes after its header, overflows the 32-bit lengths.
    struct CategoryTooLarge {
        std::string name;
        std::uint64_t length = 0;
        bool operator==(const CategoryTooLarge&) const = default;
    };
    using Kind = std::variant<InvalidCoordinate, StringTooLong, InvalidAlertValue,
                              EmptyCategoryName, TooManyCategories, CategoryTooLarge>;

    Kind kind;

    static GPIWriterError invalidCoordinate(std::string name, double latitude, double longitude);
    static GPIWriterError stringTooLong(std::string text);
    static GPIWriterError invalidAlertValue(std::string name);
    static GPIWriterError emptyCategoryName();
    static GPIWriterError tooManyCategories(std::size_t count);
    static GPIWriterError categoryTooLarge(std::string name, std::uint64_t length);
    bool operator==(const GPIWriterError&) const = default;
};

} // namespace marklode
