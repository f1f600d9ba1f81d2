#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace marklode {

// Thrown by value when a whole file cannot be imported. Carries values only; the wording
// belongs to userMessage.
struct ImportError {
    // The kind of XML document that was broken: a file of its own, or the one inside a KMZ.
    enum class Document { gpx, kml, kmlInKMZ };

    struct InvalidXML {
        std::int64_t line = 0;
        std::string message;
        Document document = Document::gpx;
        bool operator==(const InvalidXML&) const = default;
    };
    struct UnreadableText {
        bool operator==(const UnreadableText&) const = default;
    };
    // A KMZ whose document can't be had.
    struct InvalidKMZ {
        enum class Problem {
            damaged,          // not a zip archive, or an entry that can't be inflated
            noDocument,       // no .kml where one is looked for
            documentTooLarge, // the document inflates to more than `limitBytes`
        };
        Problem problem = Problem::damaged;
        std::uint64_t limitBytes = 0;
        bool operator==(const InvalidKMZ&) const = default;
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
    using Kind =
        std::variant<InvalidXML, UnreadableText, InvalidKMZ, InvalidJSON, JSONNotUTF8, NotGeoJSON>;

    Kind kind;

    static ImportError invalidXML(std::int64_t line, std::string message,
                                  Document document = Document::gpx);
    static ImportError unreadableText();
    static ImportError invalidKMZ(InvalidKMZ::Problem problem, std::uint64_t limitBytes = 0);
    static ImportError invalidJSON(std::int64_t line, std::string message);
    static ImportError jsonNotUTF8();
    static ImportError notGeoJSON(std::string type);
    bool operator==(const ImportError&) const = default;
};

} // namespace marklode
