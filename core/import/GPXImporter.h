#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/XMLEventParser.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

class GPXImporter {
  public:
    // Documents this large are read in two parts at once where they can be split between
    // waypoints; the result is the same either way.
    static constexpr std::size_t defaultParallelFromBytes = 1 << 20;

    explicit GPXImporter(std::size_t parallelFromBytes = defaultParallelFromBytes)
        : parallelFromBytes(parallelFromBytes) {}

    // Throws FileError for read failures, ImportError::invalidXML for broken XML.
    ImportResult importFile(const std::filesystem::path& path) const;
    ImportResult importData(std::string_view bytes) const;

    static constexpr std::int64_t maximumDepth = XMLEventParser::maximumDepth;
    static constexpr std::int64_t maximumEntityDeclarations =
        XMLEventParser::maximumEntityDeclarations;

    // The event handler of one parse.
    class Delegate final : public XMLEventHandler {
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

        void startElement(std::string_view localName, const char* const* attributes,
                          std::int64_t line) override;
        void endElement(std::string_view localName) override;
        void characters(std::string_view data) override;

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

  private:
    std::optional<ImportResult> importInParts(std::string_view bytes) const;

    std::size_t parallelFromBytes;
};

} // namespace marklode
