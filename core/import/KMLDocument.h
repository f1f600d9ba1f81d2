#pragma once

#include "core/import/FieldNames.h"
#include "core/import/ImportIssue.h"
#include "core/import/XMLEventParser.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace marklode {

namespace kml {

// What KMLDocument keeps of the elements open while it reads.
struct Folder {
    std::string name;
    std::int32_t parent = -1;
};
struct Placemark {
    std::int64_t line = 0;
    std::int32_t folder = -1;
    std::optional<std::string> name, description, address, phoneNumber, styleUrl, iconHref;
    std::array<std::optional<std::string>, 11> extended; // by POIField
    std::vector<std::string> points;                     // their coordinates as written
    std::int32_t pointsWithoutCoordinates = 0;
    bool hasOtherGeometry = false;
    bool hasTooLongText = false;
};
struct Style {
    std::string id;
    std::optional<std::string> iconHref;
    // A style map's: the normal pair's key, style URL and inline style.
    std::string pairKey;
    std::optional<std::string> pairStyleUrl, pairIconHref, normalStyleUrl, normalIconHref;
};

} // namespace kml

// The placemarks of a KML document as its parse reports them: each point a POI, everything
// else an issue; folders as categories and, when asked, the icon each POI's style names.
class KMLDocument final : public XMLEventHandler {
  public:
    // A longer text in a placemark makes it an issue: no field of a POI could hold it.
    static constexpr std::size_t maximumValueBytes = 1 << 20;

    explicit KMLDocument(bool readsIcons) : readsIcons(readsIcons) {}

    void startElement(std::string_view localName, const char* const* attributes,
                      std::int64_t line) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view text) override;

    struct Contents {
        ImportResult result;
        // Each category (the file's own one as "") whose POIs all name one icon, with that
        // icon's href as written. Empty unless icons are read.
        std::vector<std::pair<std::string, std::string>> categoryIcons;
    };
    // After the whole document: the POIs with their folders' categories, and the issues.
    Contents finish();

    enum class Tag : std::uint8_t;

  private:
    using Folder = kml::Folder;
    using Placemark = kml::Placemark;
    using Style = kml::Style;

    Tag parentTag() const;
    void startValue(std::optional<POIField> field = std::nullopt);
    void endValue(Tag tag);
    void finishPlacemark();
    void addPOIs(Placemark& placemark);
    std::optional<std::string> iconHrefOf(const std::string& reference) const;
    std::vector<std::pair<std::string, std::string>> categoryIcons() const;

    bool readsIcons;
    ImportResult result;
    std::vector<Tag> open;
    std::vector<Folder> folders;
    std::int32_t folder = -1;
    std::optional<Placemark> placemark;
    std::optional<Style> style, styleMap;

    // The text of the value being read, and the depth of its element.
    std::string text;
    std::size_t valueDepth = 0;
    std::optional<POIField> valueField; // of the Data or SimpleData being read
    bool tooLong = false;
    std::optional<POIField> dataField; // of the open Data
    std::size_t pointsBefore = 0;      // the open placemark's points when its Point began

    // Per POI: its folder when its category comes from folders, else -1.
    std::vector<std::int32_t> poiFolders;
    // Per POI, when icons are read: its style reference, interned.
    std::vector<std::uint32_t> poiStyles;
    std::vector<std::string> styleReferences;
    std::unordered_map<std::string, std::uint32_t> styleReferenceIds;
    std::unordered_map<std::string, std::string> styleIcons;    // style id -> href
    std::unordered_map<std::string, std::string> styleMapUrls;  // map id -> "#style" of normal
    std::unordered_map<std::string, std::string> styleMapIcons; // map id -> inline href
};

} // namespace marklode
