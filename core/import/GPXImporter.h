#pragma once

#include "core/import/ImportIssue.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

class GPXImporter {
  public:
    // Throws FileError for read failures, ImportError::invalidXML for broken XML.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;

    // Deeper element nesting is refused as invalid XML rather than followed.
    static constexpr std::int64_t maximumDepth = 10'000;
    // Entity declarations beyond this are refused too: expansion recurses once per nested entity.
    static constexpr std::int64_t maximumEntityDeclarations = 1'000;

    // The event handler of one parse.
    class Delegate {
      public:
        // The values of the open waypoint that are ever read, keyed by lower-cased element name.
        struct Values {
            std::optional<std::string> name;
            std::optional<std::string> cmt;
            std::optional<std::string> desc;
            std::optional<std::string> proximity;
            std::optional<std::string> type;
            // From the waypoint extension, trimmed: the first non-blank value of each part.
            POIDetails details;
        };

        // The elements that matter to a waypoint; any other is `other`.
        enum class Key : unsigned char {
            other,
            name,
            cmt,
            desc,
            proximity,
            type,
            extensions,
            waypointExtension,
            address,
            streetAddress,
            city,
            state,
            country,
            postalCode,
            phoneNumber,
            categories,
            category,
        };

        void startElement(std::string_view localName, std::optional<std::string_view> latValue,
                          std::optional<std::string_view> lonValue, std::int64_t line);
        void endElement(std::string_view localName);
        void characters(std::string_view data);

        ImportResult result;
        std::optional<Values> current;
        std::int64_t currentLine = 0;
        std::optional<std::string> lat;
        std::optional<std::string> lon;
        std::string text;
        // The open elements inside the waypoint, outermost first.
        std::vector<Key> path;
        int streetLines = 0;

      private:
        void readExtensionValue(Key key);
        void finishWaypoint(Values& values);
    };
};

} // namespace marklode
