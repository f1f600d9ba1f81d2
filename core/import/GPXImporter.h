#pragma once

#include "core/import/ImportIssue.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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
        std::int64_t depthInWpt = 0;

      private:
        void finishWaypoint();
    };
};

} // namespace marklode
