#pragma once

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
    using Kind =
        std::variant<InvalidCoordinate, StringTooLong, InvalidAlertValue, EmptyCategoryName>;

    Kind kind;

    static GPIWriterError invalidCoordinate(std::string name, double latitude, double longitude);
    static GPIWriterError stringTooLong(std::string text);
    static GPIWriterError invalidAlertValue(std::string name);
    static GPIWriterError emptyCategoryName();
    bool operator==(const GPIWriterError&) const = default;
};

} // namespace marklode
