#include "core/import/GPXImporter.h"

#include "core/import/ImportError.h"
#include "core/io/ReadFile.h"
#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"

#include <algorithm>
#include <cmath>

namespace marklode {

namespace {

enum class Key { none, name, cmt, desc, proximity };

bool equalsIgnoringASCIICase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a) == b;
           });
}

Key keyOf(std::string_view elementName) {
    std::string lower;
    if (!isASCII(elementName)) {
        // Only full lower-casing decides whether a non-ASCII name maps onto one of the keys.
        lower = lowercased(elementName);
        elementName = lower;
    }
    for (auto [key, text] : {std::pair{Key::name, "name"}, std::pair{Key::cmt, "cmt"},
                             std::pair{Key::desc, "desc"}, std::pair{Key::proximity, "proximity"}})
        if (equalsIgnoringASCIICase(elementName, text))
            return key;
    return Key::none;
}

// The event handler of one parse.
class Delegate final : public XMLEventHandler {
  public:
    // The values of the open waypoint that are ever read, keyed by lower-cased element name.
    struct Values {
        std::optional<std::string> name;
        std::optional<std::string> cmt;
        std::optional<std::string> desc;
        std::optional<std::string> proximity;
    };

    void startElement(std::string_view localName, const char* const* attributes,
                      std::int64_t line) override;
    void endElement(std::string_view localName) override;
    void characters(std::string_view data) override;

    ImportResult result;

  private:
    void finishWaypoint();

    std::optional<Values> current;
    std::int64_t currentLine = 0;
    std::optional<std::string> lat;
    std::optional<std::string> lon;
    std::string text;
    std::int64_t depthInWpt = 0;
};

bool coordinate(const std::optional<std::string>& text, double limit, double& value) {
    std::optional<double> parsed = text ? parseNumber(*text) : std::nullopt;
    if (!parsed || !(std::fabs(*parsed) <= limit))
        return false;
    value = *parsed;
    return true;
}

} // namespace

void Delegate::startElement(std::string_view localName, const char* const* attributes,
                            std::int64_t line) {
    if (localName == "wpt" && !current) {
        current.emplace();
        currentLine = line;
        lat.reset();
        lon.reset();
        for (const char* const* attribute = attributes; *attribute; attribute += 2) {
            std::string_view attributeName = XMLEventParser::localName(attribute[0]);
            if (!lat && attributeName == "lat")
                lat.emplace(attribute[1]);
            else if (!lon && attributeName == "lon")
                lon.emplace(attribute[1]);
        }
        depthInWpt = 0;
        return;
    }
    if (current)
        ++depthInWpt;
    text.clear();
}

void Delegate::endElement(std::string_view localName) {
    if (!current)
        return;
    if (localName == "wpt" && depthInWpt == 0) {
        finishWaypoint();
        return;
    }
    Key key = keyOf(localName);
    std::optional<std::string>* slot = nullptr;
    if (key == Key::proximity)
        slot = &current->proximity;
    else if (depthInWpt == 1 && key == Key::name)
        slot = &current->name;
    else if (depthInWpt == 1 && key == Key::cmt)
        slot = &current->cmt;
    else if (depthInWpt == 1 && key == Key::desc)
        slot = &current->desc;
    if (slot && !*slot)
        *slot = text;
    --depthInWpt;
    text.clear();
}

void Delegate::characters(std::string_view data) {
    // Text outside a waypoint is cleared by the next start tag before anything can read it.
    if (current)
        text.append(data);
}

void Delegate::finishWaypoint() {
    Values values = std::move(*current);
    current.reset();
    auto issue = [&](std::string message) {
        result.issues.push_back(ImportIssue{currentLine, std::move(message)});
    };

    double latitude = 0;
    double longitude = 0;
    if (!coordinate(lat, 90, latitude) || !coordinate(lon, 180, longitude)) {
        issue("Waypoint has invalid lat/lon.");
        return;
    }
    std::string_view name = values.name ? trimWhitespaceAndNewlines(*values.name) : "";
    if (name.empty()) {
        issue("Waypoint has no name.");
        return;
    }
    std::optional<double> proximity;
    std::string_view proximityText =
        values.proximity ? trimWhitespaceAndNewlines(*values.proximity) : "";
    if (!proximityText.empty()) {
        proximity = parseNumber(proximityText);
        if (!proximity || !(*proximity >= 0)) {
            issue("Invalid proximity \"" + std::string(proximityText) + "\".");
            return;
        }
    }
    std::optional<std::string> comment;
    for (const auto& source : {values.cmt, values.desc}) {
        std::string_view trimmed = source ? trimWhitespaceAndNewlines(*source) : "";
        if (!trimmed.empty()) {
            comment.emplace(trimmed);
            break;
        }
    }
    result.pois.push_back(
        POI{latitude, longitude, std::string(name), std::move(comment), std::nullopt, proximity});
}

ImportResult GPXImporter::importFile(const std::filesystem::path& path) const {
    return importData(readFileBytes(path));
}

ImportResult GPXImporter::importData(std::string_view bytes) const {
    if (XMLEventParser::isBlank(bytes))
        return {};
    Delegate delegate;
    XMLEventParser(delegate, ImportError::Document::gpx).parseAll(bytes);
    return std::move(delegate.result);
}

} // namespace marklode
