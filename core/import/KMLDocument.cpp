#include "core/import/KMLDocument.h"

#include "core/text/HTMLText.h"
#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"
#include "core/text/Translation.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace marklode {

enum class KMLDocument::Tag : std::uint8_t {
    other,
    folder,
    placemark,
    name,
    description,
    address,
    phoneNumber,
    data,
    value,
    simpleData,
    styleUrl,
    point,
    coordinates,
    otherGeometry,
    style,
    styleMap,
    pair,
    key,
    iconStyle,
    icon,
    href,
};

namespace {

using Tag = KMLDocument::Tag;

// Element names are compared exactly, as XML defines them; the first letter narrows the search.
Tag tagOf(std::string_view name) {
    if (name.empty())
        return Tag::other;
    auto is = [&](std::string_view candidate, Tag tag) {
        return name == candidate ? tag : Tag::other;
    };
    switch (name[0]) {
    case 'F':
        return is("Folder", Tag::folder);
    case 'P':
        if (name == "Placemark")
            return Tag::placemark;
        if (name == "Point")
            return Tag::point;
        if (name == "Polygon")
            return Tag::otherGeometry;
        return is("Pair", Tag::pair);
    case 'n':
        return is("name", Tag::name);
    case 'd':
        return is("description", Tag::description);
    case 'a':
        return is("address", Tag::address);
    case 'p':
        return is("phoneNumber", Tag::phoneNumber);
    case 'D':
        return is("Data", Tag::data);
    case 'v':
        return is("value", Tag::value);
    case 'S':
        if (name == "SimpleData")
            return Tag::simpleData;
        if (name == "Style")
            return Tag::style;
        return is("StyleMap", Tag::styleMap);
    case 's':
        return is("styleUrl", Tag::styleUrl);
    case 'c':
        return is("coordinates", Tag::coordinates);
    case 'L':
        return name == "LineString" || name == "LinearRing" ? Tag::otherGeometry : Tag::other;
    case 'T':
        return is("Track", Tag::otherGeometry);
    case 'M':
        return name == "MultiTrack" || name == "Model" ? Tag::otherGeometry : Tag::other;
    case 'k':
        return is("key", Tag::key);
    case 'I':
        if (name == "IconStyle")
            return Tag::iconStyle;
        return is("Icon", Tag::icon);
    case 'h':
        return is("href", Tag::href);
    default:
        return Tag::other;
    }
}

const char* attribute(const char* const* attributes, std::string_view name) {
    for (const char* const* at = attributes; *at; at += 2)
        if (XMLEventParser::localName(at[0]) == name)
            return at[1];
    return nullptr;
}

// The POI fields extended data may give; the others come from the placemark's own elements.
std::optional<POIField> extendedField(const char* name) {
    std::optional<POIField> field = name ? poiFieldNamed(name) : std::nullopt;
    if (!field || *field == POIField::name || *field == POIField::latitude ||
        *field == POIField::longitude)
        return std::nullopt;
    return field;
}

std::string trimmed(std::string_view text) {
    return std::string(trimWhitespaceAndNewlines(text));
}

// "longitude,latitude[,altitude]", white space allowed around each number.
std::optional<std::pair<double, double>> point(std::string_view text) {
    std::string_view parts[3];
    std::size_t count = 0;
    while (true) {
        std::size_t comma = text.find(',');
        if (count == 3)
            return std::nullopt;
        parts[count++] = trimWhitespaceAndNewlines(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (count < 2)
        return std::nullopt;
    std::optional<double> longitude = parseNumber(parts[0]);
    std::optional<double> latitude = parseNumber(parts[1]);
    if (!longitude || !latitude || !(std::fabs(*longitude) <= 180) || !(std::fabs(*latitude) <= 90))
        return std::nullopt;
    return std::pair{*latitude, *longitude};
}

// An issue quotes at most this much of what it found.
std::string quotedExcerpt(std::string_view text) {
    constexpr std::size_t most = 60;
    text = trimWhitespaceAndNewlines(text);
    if (text.size() <= most)
        return "\"" + std::string(text) + "\"";
    std::size_t end = most;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return "\"" + std::string(text.substr(0, end)) + "\u2026\"";
}

} // namespace

KMLDocument::Tag KMLDocument::parentTag() const {
    return open.size() >= 2 ? open[open.size() - 2] : Tag::other;
}

void KMLDocument::startValue(std::optional<POIField> field) {
    if (valueDepth != 0)
        return; // an element inside a value is part of its text
    text.clear();
    valueDepth = open.size();
    valueField = field;
}

void KMLDocument::startElement(std::string_view localName, const char* const* attributes,
                               std::int64_t line) {
    Tag tag = tagOf(localName);
    open.push_back(tag);
    Tag parent = parentTag();
    auto ignore = [&] { open.back() = Tag::other; };
    switch (tag) {
    case Tag::folder:
        if (placemark)
            return ignore();
        folders.push_back(Folder{{}, folder});
        folder = static_cast<std::int32_t>(folders.size() - 1);
        return;
    case Tag::placemark:
        if (placemark)
            return ignore();
        placemark.emplace();
        placemark->line = line;
        placemark->folder = folder;
        return;
    case Tag::name:
        if ((parent == Tag::placemark && placemark) || (parent == Tag::folder && !placemark))
            startValue();
        return;
    case Tag::description:
    case Tag::address:
    case Tag::phoneNumber:
        if (parent == Tag::placemark)
            startValue();
        return;
    case Tag::styleUrl:
        if (readsIcons && (parent == Tag::placemark || (parent == Tag::pair && styleMap)))
            startValue();
        return;
    case Tag::data:
        dataField = placemark ? extendedField(attribute(attributes, "name")) : std::nullopt;
        return;
    case Tag::value:
        if (parent == Tag::data && placemark && dataField)
            startValue(dataField);
        return;
    case Tag::simpleData:
        if (placemark)
            if (std::optional<POIField> field = extendedField(attribute(attributes, "name")))
                startValue(field);
        return;
    case Tag::point:
        if (!placemark)
            return ignore();
        pointsBefore = placemark->points.size();
        return;
    case Tag::coordinates:
        if (parent == Tag::point)
            startValue();
        return;
    case Tag::otherGeometry:
        if (placemark)
            placemark->hasOtherGeometry = true;
        return;
    case Tag::style:
        if (!readsIcons || style)
            return ignore();
        style.emplace();
        if (const char* id = attribute(attributes, "id"))
            style->id = id;
        return;
    case Tag::styleMap:
        if (!readsIcons || styleMap)
            return ignore();
        styleMap.emplace();
        if (const char* id = attribute(attributes, "id"))
            styleMap->id = id;
        return;
    case Tag::pair:
        if (styleMap) {
            styleMap->pairKey.clear();
            styleMap->pairStyleUrl.reset();
            styleMap->pairIconHref.reset();
        }
        return;
    case Tag::key:
        if (parent == Tag::pair && styleMap)
            startValue();
        return;
    case Tag::href:
        if (style && parent == Tag::icon && open.size() >= 3 &&
            open[open.size() - 3] == Tag::iconStyle)
            startValue();
        return;
    default:
        return;
    }
}

void KMLDocument::characters(std::string_view data) {
    if (valueDepth == 0 || tooLong)
        return;
    if (text.size() + data.size() > maximumValueBytes) {
        tooLong = true;
        text.clear();
        return;
    }
    text.append(data);
}

void KMLDocument::endValue(Tag tag) {
    Tag parent = parentTag();
    valueDepth = 0;
    if (tooLong) {
        tooLong = false;
        if (placemark)
            placemark->hasTooLongText = true;
        return;
    }
    auto setFirst = [&](std::optional<std::string>& slot) {
        if (!slot)
            slot = std::move(text);
    };
    switch (tag) {
    case Tag::name:
        if (parent == Tag::placemark)
            setFirst(placemark->name);
        else if (folders[static_cast<std::size_t>(folder)].name.empty())
            folders[static_cast<std::size_t>(folder)].name = trimmed(text);
        return;
    case Tag::description:
        return setFirst(placemark->description);
    case Tag::address:
        return setFirst(placemark->address);
    case Tag::phoneNumber:
        return setFirst(placemark->phoneNumber);
    case Tag::styleUrl:
        return setFirst(parent == Tag::pair ? styleMap->pairStyleUrl : placemark->styleUrl);
    case Tag::value:
    case Tag::simpleData: {
        auto& slot = placemark->extended[static_cast<std::size_t>(*valueField)];
        if (!slot && !trimWhitespaceAndNewlines(text).empty())
            slot = trimmed(text);
        return;
    }
    case Tag::coordinates:
        placemark->points.push_back(std::move(text));
        return;
    case Tag::key:
        styleMap->pairKey = trimmed(text);
        return;
    case Tag::href:
        return setFirst(style->iconHref);
    default:
        return;
    }
}

void KMLDocument::endElement(std::string_view) {
    Tag tag = open.back();
    if (valueDepth == open.size())
        endValue(tag);
    Tag parent = parentTag();
    switch (tag) {
    case Tag::folder:
        folder = folders[static_cast<std::size_t>(folder)].parent;
        break;
    case Tag::placemark:
        finishPlacemark();
        break;
    case Tag::data:
        dataField.reset();
        break;
    case Tag::point:
        if (placemark->points.size() == pointsBefore)
            ++placemark->pointsWithoutCoordinates;
        break;
    case Tag::style:
        if (parent == Tag::placemark && placemark) {
            if (!placemark->iconHref)
                placemark->iconHref = style->iconHref;
        } else if (parent == Tag::pair && styleMap) {
            styleMap->pairIconHref = style->iconHref;
        } else if (!style->id.empty() && style->iconHref) {
            styleIcons.try_emplace(style->id, trimmed(*style->iconHref));
        }
        style.reset();
        break;
    case Tag::pair:
        if (styleMap && styleMap->pairKey == "normal") {
            styleMap->normalStyleUrl = styleMap->pairStyleUrl;
            styleMap->normalIconHref = styleMap->pairIconHref;
        }
        break;
    case Tag::styleMap:
        if (!styleMap->id.empty()) {
            if (styleMap->normalIconHref)
                styleMapIcons.try_emplace(styleMap->id, trimmed(*styleMap->normalIconHref));
            else if (styleMap->normalStyleUrl)
                styleMapUrls.try_emplace(styleMap->id, trimmed(*styleMap->normalStyleUrl));
        }
        styleMap.reset();
        break;
    default:
        break;
    }
    open.pop_back();
}

void KMLDocument::finishPlacemark() {
    Placemark finished = std::move(*placemark);
    placemark.reset();
    auto issue = [&](const char* reason, std::vector<std::string> arguments = {}) {
        result.issues.push_back(ImportIssue::because(finished.line, reason, std::move(arguments)));
    };
    if (finished.hasTooLongText)
        return issue(QT_TRANSLATE_NOOP("ImportIssue", "A text is longer than 1 MB."));

    std::vector<std::pair<double, double>> points;
    for (const std::string& coordinates : finished.points) {
        if (auto parsed = point(coordinates))
            points.push_back(*parsed);
        else
            issue(QT_TRANSLATE_NOOP("ImportIssue", "Invalid coordinates %1."),
                  {quotedExcerpt(coordinates)});
    }
    if (points.empty()) {
        if (!finished.points.empty())
            return;
        if (finished.pointsWithoutCoordinates > 0 || !finished.hasOtherGeometry)
            return issue(QT_TRANSLATE_NOOP("ImportIssue", "Missing coordinates."));
        return issue(QT_TRANSLATE_NOOP("ImportIssue", "Not a point."));
    }
    std::string_view name = finished.name ? trimWhitespaceAndNewlines(*finished.name) : "";
    if (name.empty())
        return issue(QT_TRANSLATE_NOOP("ImportIssue", "Missing name."));

    auto extended = [&](POIField field) -> std::string {
        const auto& value = finished.extended[static_cast<std::size_t>(field)];
        return value ? *value : std::string();
    };
    std::optional<std::string> comment;
    if (finished.description && !isAllWhitespace(*finished.description))
        if (std::string text = plainTextFromHTML(*finished.description); !text.empty())
            comment = std::move(text);
    if (!comment && !extended(POIField::comment).empty())
        comment = extended(POIField::comment);

    POIDetails details;
    details.category = extended(POIField::category);
    details.address =
        Address{extended(POIField::street), extended(POIField::city), extended(POIField::region),
                extended(POIField::postalCode), extended(POIField::country)};
    if (details.address.isEmpty() && finished.address)
        details.address.street = trimmed(*finished.address);
    details.phone = finished.phoneNumber ? trimmed(*finished.phoneNumber) : "";
    if (details.phone.empty())
        details.phone = extended(POIField::phone);
    const POIDetails* given = details.isEmpty() ? nullptr : &details;

    std::uint32_t styleReference = 0;
    if (readsIcons) {
        std::string reference = finished.iconHref   ? "=" + trimmed(*finished.iconHref)
                                : finished.styleUrl ? trimmed(*finished.styleUrl)
                                                    : std::string();
        auto [at, added] = styleReferenceIds.try_emplace(
            reference, static_cast<std::uint32_t>(styleReferences.size()));
        if (added)
            styleReferences.push_back(std::move(reference));
        styleReference = at->second;
    }
    for (auto [latitude, longitude] : points) {
        result.pois.add(latitude, longitude, name, comment, std::nullopt, std::nullopt, given);
        poiFolders.push_back(given && !given->category.empty() ? -1 : finished.folder);
        if (readsIcons)
            poiStyles.push_back(styleReference);
    }
}

std::optional<std::string> KMLDocument::iconHrefOf(const std::string& reference) const {
    if (reference.starts_with('='))
        return reference.substr(1);
    std::size_t hash = reference.rfind('#');
    if (hash == std::string::npos)
        return std::nullopt;
    std::string id = reference.substr(hash + 1);
    if (auto map = styleMapIcons.find(id); map != styleMapIcons.end())
        return map->second;
    if (auto map = styleMapUrls.find(id); map != styleMapUrls.end()) {
        std::size_t mapHash = map->second.rfind('#');
        if (mapHash == std::string::npos)
            return std::nullopt;
        id = map->second.substr(mapHash + 1);
    }
    if (auto found = styleIcons.find(id); found != styleIcons.end())
        return found->second;
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> KMLDocument::categoryIcons() const {
    std::vector<std::optional<std::string>> hrefs(styleReferences.size());
    for (std::size_t i = 0; i < styleReferences.size(); ++i)
        hrefs[i] = iconHrefOf(styleReferences[i]);
    // Per category, in order of appearance: the one href so far, or nothing once they differ.
    std::vector<std::pair<std::string, std::optional<std::string>>> shared;
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < result.pois.size(); ++i) {
        const std::optional<std::string>& href = hrefs[poiStyles[i]];
        auto [at, added] = index.try_emplace(result.pois[i].category(), shared.size());
        if (added)
            shared.emplace_back(result.pois[i].category(), href);
        else if (shared[at->second].second != href)
            shared[at->second].second.reset();
    }
    std::vector<std::pair<std::string, std::string>> icons;
    for (auto& [category, href] : shared)
        if (href && !href->empty())
            icons.emplace_back(std::move(category), std::move(*href));
    return icons;
}

KMLDocument::Contents KMLDocument::finish() {
    // Folder names may follow their placemarks, so categories are known only now.
    std::vector<std::shared_ptr<const POIDetails>> folderDetails(folders.size());
    auto detailsOf = [&](std::int32_t index) {
        auto& details = folderDetails[static_cast<std::size_t>(index)];
        if (!details) {
            std::vector<std::string_view> names;
            for (std::int32_t at = index; at >= 0;
                 at = folders[static_cast<std::size_t>(at)].parent)
                if (!folders[static_cast<std::size_t>(at)].name.empty())
                    names.insert(names.begin(), folders[static_cast<std::size_t>(at)].name);
            POIDetails made;
            for (std::string_view name : names)
                made.category += (made.category.empty() ? "" : " / ") + std::string(name);
            details = std::make_shared<const POIDetails>(std::move(made));
        }
        return details;
    };
    for (std::size_t i = 0; i < result.pois.size(); ++i) {
        if (poiFolders[i] < 0)
            continue;
        const std::shared_ptr<const POIDetails>& inFolder = detailsOf(poiFolders[i]);
        if (inFolder->category.empty())
            continue;
        POIDetails details = result.pois[i].more();
        details.category = inFolder->category;
        result.pois.setDetails(i, details);
    }
    Contents contents;
    if (readsIcons)
        contents.categoryIcons = categoryIcons();
    contents.result = std::move(result);
    return contents;
}

} // namespace marklode
