#include "core/import/GPXImporter.h"

#include "core/import/ImportError.h"
#include "core/import/XMLSplit.h"
#include "core/io/ReadFile.h"
#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>

namespace marklode {

namespace {

using Key = GPXImporter::Delegate::Key;

bool equalsIgnoringASCIICase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a) == b;
           });
}

constexpr std::pair<Key, std::string_view> keyNames[] = {
    {Key::name, "name"},
    {Key::cmt, "cmt"},
    {Key::desc, "desc"},
    {Key::proximity, "proximity"},
    {Key::type, "type"},
    {Key::extensions, "extensions"},
    {Key::waypointExtension, "waypointextension"},
    {Key::address, "address"},
    {Key::streetAddress, "streetaddress"},
    {Key::city, "city"},
    {Key::state, "state"},
    {Key::country, "country"},
    {Key::postalCode, "postalcode"},
    {Key::phoneNumber, "phonenumber"},
    {Key::categories, "categories"},
    {Key::category, "category"},
};

Key keyOf(std::string_view elementName) {
    std::string lower;
    if (!isASCII(elementName)) {
        // Only full lower-casing decides whether a non-ASCII name maps onto one of the keys.
        lower = lowercased(elementName);
        elementName = lower;
    }
    for (auto [key, text] : keyNames)
        if (equalsIgnoringASCIICase(elementName, text))
            return key;
    return Key::other;
}

// Keeps the first non-blank value of a part.
void keepFirst(std::string& part, std::string_view value) {
    if (part.empty())
        part = value;
}

bool coordinate(const std::optional<std::string>& text, double limit, double& value) {
    std::optional<double> parsed = text ? parseNumber(*text) : std::nullopt;
    if (!parsed || !(std::fabs(*parsed) <= limit))
        return false;
    value = *parsed;
    return true;
}

} // namespace

void GPXImporter::Delegate::startElement(std::string_view localName, const char* const* attributes,
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
        path.clear();
        streetLines = 0;
        return;
    }
    if (current)
        path.push_back(keyOf(localName));
    text.clear();
}

void GPXImporter::Delegate::endElement(std::string_view localName) {
    if (!current)
        return;
    if (path.empty()) {
        if (localName == "wpt") {
            finishWaypoint(*current);
            current.reset();
        }
        return;
    }
    Key key = path.back();
    std::optional<std::string>* slot = nullptr;
    if (key == Key::proximity)
        slot = &current->proximity;
    else if (path.size() == 1 && key == Key::name)
        slot = &current->name;
    else if (path.size() == 1 && key == Key::cmt)
        slot = &current->cmt;
    else if (path.size() == 1 && key == Key::desc)
        slot = &current->desc;
    else if (path.size() == 1 && key == Key::type)
        slot = &current->type;
    else if (path.size() >= 3 && path[0] == Key::extensions && path[1] == Key::waypointExtension)
        readExtensionValue(key);
    if (slot && !*slot)
        *slot = text;
    path.pop_back();
    text.clear();
}

// Reads the parts of the details that sit at their place in the waypoint extension: the
// address's parts and the categories one level further down, the phone numbers directly.
void GPXImporter::Delegate::readExtensionValue(Key key) {
    std::string_view value = trimWhitespaceAndNewlines(text);
    if (value.empty())
        return;
    POIDetails& details = current->details;
    if (path.size() == 3 && key == Key::phoneNumber) {
        keepFirst(details.phone, value);
        return;
    }
    if (path.size() != 4)
        return;
    if (path[2] == Key::categories && key == Key::category) {
        keepFirst(details.category, value);
        return;
    }
    if (path[2] != Key::address)
        return;
    Address& address = details.address;
    switch (key) {
    case Key::streetAddress:
        // A second line continues the first; any further ones are dropped.
        if (streetLines < 2) {
            if (!address.street.empty())
                address.street += ", ";
            address.street += value;
            ++streetLines;
        }
        break;
    case Key::city:
        keepFirst(address.city, value);
        break;
    case Key::state:
        keepFirst(address.region, value);
        break;
    case Key::country:
        keepFirst(address.country, value);
        break;
    case Key::postalCode:
        keepFirst(address.postalCode, value);
        break;
    default:
        break;
    }
}

void GPXImporter::Delegate::characters(std::string_view data) {
    // Text outside a waypoint is cleared by the next start tag before anything can read it.
    if (current)
        text.append(data);
}

// Takes the values in place: moving them out first costs more than reading the waypoint.
void GPXImporter::Delegate::finishWaypoint(Values& values) {
    auto issue = [&](const char* reason, std::vector<std::string> arguments = {}) {
        result.issues.push_back(ImportIssue::because(currentLine, reason, std::move(arguments)));
    };

    double latitude = 0;
    double longitude = 0;
    if (!coordinate(lat, 90, latitude) || !coordinate(lon, 180, longitude)) {
        issue(QT_TRANSLATE_NOOP("ImportIssue", "Waypoint has invalid lat/lon."));
        return;
    }
    std::string_view name = values.name ? trimWhitespaceAndNewlines(*values.name) : "";
    if (name.empty()) {
        issue(QT_TRANSLATE_NOOP("ImportIssue", "Waypoint has no name."));
        return;
    }
    std::optional<double> proximity;
    std::string_view proximityText =
        values.proximity ? trimWhitespaceAndNewlines(*values.proximity) : "";
    if (!proximityText.empty()) {
        proximity = parseNumber(proximityText);
        if (!proximity || !(*proximity >= 0)) {
            issue(QT_TRANSLATE_NOOP("ImportIssue", "Invalid proximity %1."),
                  {'"' + std::string(proximityText) + '"'});
            return;
        }
    }
    std::optional<std::string_view> comment;
    // The comment is a view, so of the values themselves and not of copies in a list.
    for (const std::optional<std::string>* source : {&values.cmt, &values.desc}) {
        std::string_view trimmed = *source ? trimWhitespaceAndNewlines(**source) : "";
        if (!trimmed.empty()) {
            comment = trimmed;
            break;
        }
    }
    if (values.details.category.empty() && values.type)
        values.details.category = trimWhitespaceAndNewlines(*values.type);
    result.pois.add(latitude, longitude, name, comment, std::nullopt, proximity, &values.details);
}

ImportResult GPXImporter::importFile(const std::filesystem::path& path) const {
    return importData(loadFileBytes(path).view());
}

std::optional<ImportResult> GPXImporter::importInParts(std::string_view bytes) const {
    std::optional<XMLSplit> split = XMLSplit::find(bytes, "wpt");
    if (!split)
        return std::nullopt;
    // Each parse writes to its delegate all the time: never to a cache line of the other's.
    struct alignas(128) Part {
        Delegate delegate;
    };
    Part earlier;
    Part later;
    std::optional<std::int64_t> lineShift =
        parseSplit(bytes, *split, earlier.delegate, later.delegate, ImportError::Document::gpx);
    if (!lineShift)
        return std::nullopt;
    appendImport(earlier.delegate.result, std::move(later.delegate.result), *lineShift);
    return std::move(earlier.delegate.result);
}

ImportResult GPXImporter::importData(std::string_view bytes) const {
    if (XMLEventParser::isBlank(bytes))
        return {};
    if (bytes.size() >= parallelFromBytes)
        if (std::optional<ImportResult> result = importInParts(bytes))
            return std::move(*result);
    Delegate delegate;
    XMLEventParser(delegate, ImportError::Document::gpx).parseAll(bytes);
    return std::move(delegate.result);
}

} // namespace marklode
