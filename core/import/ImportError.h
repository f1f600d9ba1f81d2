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
    // Broken JSON. `line` is 0 where the parser can't tell; `message` is the parser's own.
    struct InvalidJSON {
        std::int64_t line = 0;
        std::string message;
        bool operator==(const InvalidJSON&) const = default;
    };
    // JSON must be UTF-8, so no other encoding is guessed.
    struct JSONNotUTF8 {
        bool operator==(const JSONNotUTF8&) const = default;
    };
    // Well-formed JSON that holds no features: `type` is the document's "type" member ("Point",
    // "Topology", "FeatureCollection" without a list of features), empty when it has none.
    struct NotGeoJSON {
        std::string type;
        bool operator==(const NotGeoJSON&) const = default;
    };
    using Kind = std::variant<InvalidXML, UnreadableText, InvalidJSON, JSONNotUTF8, NotGeoJSON>;

    Kind kind;

    static ImportError invalidXML(std::int64_t line, std::string message);
    static ImportError unreadableText();
    static ImportError invalidJSON(std::int64_t line, std::string message);
    static ImportError jsonNotUTF8();
    static ImportError notGeoJSON(std::string type);
    bool operator==(const ImportError&) const = default;
};

} // namespace marklode
