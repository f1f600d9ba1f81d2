#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace marklode {

// Thrown by value when a whole file cannot be imported. Carries values only; the wording
// belongs to userMessage.
struct ImportError {
    struct InvalidXML {
        std::int64_t line = 0;
        std::string message;
        bool operator==(const InvalidXML&) const = default;
    };
    struct UnreadableText {
        bool operator==(const UnreadableText&) const = default;
    };
    using Kind = std::variant<InvalidXML, UnreadableText>;

    Kind kind;

    static ImportError invalidXML(std::int64_t line, std::string message);
    static ImportError unreadableText();
    bool operator==(const ImportError&) const = default;
};

} // namespace marklode
