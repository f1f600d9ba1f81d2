#include "core/import/GeoJSONImporter.h"

#include "core/import/GeoJSONProperties.h"
#include "core/import/ImportError.h"
#include "core/import/ParsedPrefix.h"
#include "core/io/FileError.h"
#include "core/io/ReadFile.h"
#include "core/text/TextClasses.h"
#include "core/text/TextDecoding.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <simdjson.h>
#include <utility>
#include <vector>

namespace marklode {

namespace {

namespace json = simdjson::ondemand;
using simdjson::error_code;

static_assert(readSpareCapacity >= simdjson::SIMDJSON_PADDING,
              "files are read with the room the parser needs after them");

struct Position {
    double longitude;
    double latitude;
};

// The geometry of one feature: its usable points, or why there are none.
struct Geometry {
    enum class Kind { missing, notPoint, points };
    Kind kind = Kind::missing;
    std::vector<Position> points;
    std::vector<ImportIssue> problems; // positions that could not be used, told when the feature is

    void clear() {
        kind = Kind::missing;
        points.clear();
        problems.clear();
    }
};

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// Room for POIs projected from the rate at which the text has yielded them so far, with a
// little to spare, never more than 16 times what was found: a uniform file reaches its size in
// a few steps, and an untypical start cannot claim room out of proportion.
void reserveMore(POIStore& pois, std::size_t consumed, std::size_t total) {
    constexpr std::size_t smallestCap = 4096;
    constexpr std::size_t growthCap = 16;
    std::size_t found = pois.size();
    double perByte =
        static_cast<double>(found + 1) / static_cast<double>(std::max<std::size_t>(consumed, 1));
    double projected = perByte * static_cast<double>(total) * 1.02 + 16;
    std::size_t most = std::max(found * growthCap, smallestCap);
    std::size_t wanted =
        projected >= static_cast<double>(most) ? most : static_cast<std::size_t>(projected);
    pois.reserve(std::max(wanted, found * 2));
}

// What one feature's members say, in whichever order they come.
struct FeatureState {
    Geometry geometry;
    FeatureProperties properties;
    bool geometrySeen = false;
    bool propertiesSeen = false;

    void clear() {
        geometry.clear();
        properties.clear();
        geometrySeen = false;
        propertiesSeen = false;
    }
};

class Reader {
  public:
    Reader(std::string_view text, json::document& document)
        : text(text), document(document), prefix(text) {}

    ImportResult read() {
        json::json_type type;
        check(document.type().get(type));
        if (type != json::json_type::object)
            throw ImportError::notGeoJSON({});
        json::object root;
        check(document.get_object().get(root));
        std::optional<std::string> rootType;
        bool hasFeatures = false;
        for (auto member : root) {
            json::field field;
            check(std::move(member).get(field));
            json::value& value = field.value();
            if (field.key() == "features" && !hasFeatures) {
                json::array features;
                if (valueType(value) == json::json_type::array) {
                    check(value.get_array().get(features));
                    hasFeatures = true;
                    readFeatures(features);
                }
            } else if (field.key() == "type" && !rootType) {
                rootType.emplace(stringOrEmpty(value));
            } else {
                takeFeatureMember(field, rootFeature);
            }
        }
        // Past the root object the parser should be at the end; anything more is not JSON.
        const char* trailing = nullptr;
        if (document.current_location().get(trailing) == simdjson::SUCCESS)
            fail(simdjson::TRAILING_CONTENT);
        if (rootType == "FeatureCollection" && hasFeatures)
            return std::move(result);
        if (rootType == "Feature") {
            result = {};
            finishFeature(1, rootFeature);
            return std::move(result);
        }
        throw ImportError::notGeoJSON(rootType.value_or(""));
    }

  private:
    [[noreturn]] void fail(error_code error) {
        if (error == simdjson::UTF8_ERROR)
            throw ImportError::jsonNotUTF8();
        std::int64_t line = 0;
        const char* location = nullptr;
        if (error == simdjson::INCOMPLETE_ARRAY_OR_OBJECT) {
            // Found where the parser gave up, at the top, though what is missing is at the end.
            std::size_t last = text.find_last_not_of(" \t\r\n");
            location = text.data() + (last == std::string_view::npos ? 0 : last);
        } else if (document.current_location().get(location) != simdjson::SUCCESS) {
            location = nullptr;
        }
        if (location >= text.data() && location <= text.data() + text.size())
            line = prefix.lineAt(static_cast<std::size_t>(location - text.data()));
        throw ImportError::invalidJSON(line, simdjson::error_message(error));
    }

    void check(error_code error) {
        if (error != simdjson::SUCCESS)
            fail(error);
    }

    json::json_type valueType(json::value& value) {
        json::json_type type;
        check(value.type().get(type));
        return type;
    }

    // A string's text: a view into the input where it has no escapes, else unescaped by the
    // parser. Views save the parser writing out every string the features hold.
    std::string_view stringOf(json::value& value) {
        std::string_view token = value.raw_json_token();
        std::size_t close = token.rfind('"');
        std::string_view content = token.substr(1, close > 0 ? close - 1 : 0);
        if (content.find('\\') == std::string_view::npos)
            return content;
        std::string_view unescaped;
        check(value.get_string().get(unescaped));
        return unescaped;
    }

    std::string_view stringOrEmpty(json::value& value) {
        return valueType(value) == json::json_type::string ? stringOf(value) : std::string_view();
    }

    // A key's text, as stringOf does it.
    std::string_view keyOf(json::field& field) {
        const char* begin = field.key().raw();
        const char* end = text.data() + text.size();
        for (const char* p = begin; p < end && *p != '\\'; ++p)
            if (*p == '"')
                return std::string_view(begin, static_cast<std::size_t>(p - begin));
        std::string_view unescaped;
        check(field.unescaped_key().get(unescaped));
        return unescaped;
    }

    void readFeatures(json::array& features) {
        std::int64_t position = 0;
        for (auto element : features) {
            json::value item;
            check(std::move(element).get(item));
            ++position;
            // Nothing before a feature is read again, the root's members being read in order.
            prefix.passed(consumed());
            feature.clear();
            if (valueType(item) != json::json_type::object) {
                issue(position, QT_TRANSLATE_NOOP("ImportIssue", "Not a feature."));
                continue;
            }
            json::object object;
            check(item.get_object().get(object));
            bool isFeature = true;
            bool typeSeen = false;
            for (auto member : object) {
                json::field field;
                check(std::move(member).get(field));
                if (field.key() == "type" && !typeSeen) {
                    typeSeen = true;
                    isFeature = stringOrEmpty(field.value()) == "Feature";
                } else {
                    takeFeatureMember(field, feature);
                }
            }
            if (!isFeature) {
                issue(position, QT_TRANSLATE_NOOP("ImportIssue", "Not a feature."));
                continue;
            }
            if (result.pois.size() + feature.geometry.points.size() > result.pois.capacity())
                reserveMore(result.pois, consumed(), text.size());
            finishFeature(position, feature);
        }
    }

    std::size_t consumed() {
        const char* location = nullptr;
        if (document.current_location().get(location) != simdjson::SUCCESS)
            return text.size();
        return static_cast<std::size_t>(location - text.data());
    }

    void takeFeatureMember(json::field& field, FeatureState& state) {
        if (field.key() == "geometry" && !state.geometrySeen) {
            state.geometrySeen = true;
            readGeometry(field.value(), state.geometry);
        } else if (field.key() == "properties" && !state.propertiesSeen) {
            state.propertiesSeen = true;
            readProperties(field.value(), state.properties);
        }
    }

    void readGeometry(json::value& value, Geometry& geometry) {
        json::json_type type = valueType(value);
        if (type == json::json_type::null)
            return;
        geometry.kind = Geometry::Kind::notPoint;
        if (type != json::json_type::object)
            return;
        json::object object;
        check(value.get_object().get(object));
        json::value member;
        error_code error = object.find_field_unordered("type").get(member);
        if (error == simdjson::NO_SUCH_FIELD)
            return;
        check(error);
        std::string_view geometryType = stringOrEmpty(member);
        bool multi = geometryType == "MultiPoint";
        if (!multi && geometryType != "Point")
            return;
        geometry.kind = Geometry::Kind::points;
        json::value coordinates;
        error = object.find_field_unordered("coordinates").get(coordinates);
        if (error == simdjson::NO_SUCH_FIELD ||
            (error == simdjson::SUCCESS && valueType(coordinates) != json::json_type::array)) {
            geometry.problems.push_back(
                problem(QT_TRANSLATE_NOOP("ImportIssue", "Invalid coordinates.")));
            return;
        }
        check(error);
        if (!multi) {
            readPosition(coordinates, geometry);
            return;
        }
        json::array positions;
        check(coordinates.get_array().get(positions));
        for (auto element : positions) {
            json::value position;
            check(std::move(element).get(position));
            readPosition(position, geometry);
        }
    }

    // [longitude, latitude] and perhaps an altitude, which a POI has no use for.
    void readPosition(json::value& value, Geometry& geometry) {
        if (valueType(value) != json::json_type::array) {
            geometry.problems.push_back(
                problem(QT_TRANSLATE_NOOP("ImportIssue", "Invalid coordinates.")));
            return;
        }
        json::array array;
        check(value.get_array().get(array));
        double values[2] = {0, 0};
        std::size_t count = 0;
        for (auto element : array) {
            json::value number;
            check(std::move(element).get(number));
            if (count == 2)
                break;
            double limit = count == 0 ? 180 : 90;
            if (!coordinate(number, limit, values[count])) {
                geometry.problems.push_back(
                    problem(count == 0 ? QT_TRANSLATE_NOOP("ImportIssue", "Invalid longitude %1.")
                                       : QT_TRANSLATE_NOOP("ImportIssue", "Invalid latitude %1."),
                            {quoted(shownValue(number))}));
                return;
            }
            ++count;
        }
        if (count < 2) {
            geometry.problems.push_back(
                problem(QT_TRANSLATE_NOOP("ImportIssue", "Invalid coordinates.")));
            return;
        }
        geometry.points.push_back(Position{values[0], values[1]});
    }

    bool coordinate(json::value& value, double limit, double& degrees) {
        if (valueType(value) != json::json_type::number)
            return false;
        // Numbers beyond a double's range fail to parse; they are no coordinates either.
        return value.get_double().get(degrees) == simdjson::SUCCESS && std::fabs(degrees) <= limit;
    }

    // How a value that is no coordinate reads in an issue.
    std::string_view shownValue(json::value& value) {
        switch (valueType(value)) {
        case json::json_type::array:
            return "[…]";
        case json::json_type::object:
            return "{…}";
        case json::json_type::string:
            return stringOf(value);
        default:
            return trimWhitespaceAndNewlines(value.raw_json_token());
        }
    }

    void readProperties(json::value& value, FeatureProperties& properties) {
        if (valueType(value) != json::json_type::object)
            return;
        json::object object;
        check(value.get_object().get(object));
        for (auto member : object) {
            json::field field;
            check(std::move(member).get(field));
            std::optional<PropertyField> which = keys.fieldOf(keyOf(field));
            if (!which || !properties.wants(*which))
                continue;
            json::value& property = field.value();
            switch (valueType(property)) {
            case json::json_type::string:
                properties.set(*which, stringOf(property));
                break;
            case json::json_type::number: {
                std::string_view token = trimWhitespaceAndNewlines(property.raw_json_token());
                double number = 0;
                // A literal beyond a double's range keeps its digits as they are.
                if (property.get_double().get(number) != simdjson::SUCCESS)
                    number = HUGE_VAL;
                properties.set(*which, numberText(token, number));
                break;
            }
            case json::json_type::boolean: {
                bool flag = false;
                check(property.get_bool().get(flag));
                properties.set(*which, flag ? "true" : "false");
                break;
            }
            default:
                break; // null, objects and arrays say nothing a POI could hold
            }
        }
    }

    static ImportIssue problem(const char* reason, std::vector<std::string> arguments = {}) {
        return ImportIssue::because(0, reason, std::move(arguments), ImportIssue::Place::feature);
    }

    void issue(std::int64_t position, const char* reason) {
        result.issues.push_back(problem(reason));
        result.issues.back().line = position;
    }

    void finishFeature(std::int64_t position, FeatureState& state) {
        Geometry& geometry = state.geometry;
        if (geometry.kind == Geometry::Kind::missing) {
            issue(position, QT_TRANSLATE_NOOP("ImportIssue", "Missing geometry."));
            return;
        }
        if (geometry.kind == Geometry::Kind::notPoint) {
            issue(position, QT_TRANSLATE_NOOP("ImportIssue", "Not a point."));
            return;
        }
        for (ImportIssue& found : geometry.problems) {
            found.line = position;
            result.issues.push_back(std::move(found));
        }
        if (geometry.points.empty()) {
            if (geometry.problems.empty())
                issue(position, QT_TRANSLATE_NOOP("ImportIssue", "Missing points."));
            return;
        }
        const FeatureProperties& properties = state.properties;
        if (properties.name().empty()) {
            issue(position, QT_TRANSLATE_NOOP("ImportIssue", "Missing name."));
            return;
        }
        POI poi{0, 0, properties.name(), properties.comment(), std::nullopt, std::nullopt};
        poi.setDetails(properties.details());
        // The points of a MultiPoint share one copy of the details.
        for (std::size_t i = 0; i < geometry.points.size(); ++i) {
            POI placed = i + 1 == geometry.points.size() ? std::move(poi) : poi;
            placed.latitude = geometry.points[i].latitude;
            placed.longitude = geometry.points[i].longitude;
            result.pois.push_back(std::move(placed));
        }
    }

    std::string_view text;
    json::document& document;
    ParsedPrefix prefix;
    ImportResult result;
    PropertyKeys keys;
    FeatureState feature;
    FeatureState rootFeature;
};

bool isBlank(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

// `capacity` counts from text.data(): the bytes after the text up to it may be read, not used.
// The text is the caller's to give up: what has been parsed is released as the parse goes on.
ImportResult parse(std::string_view text, std::size_t capacity) {
    if (isBlank(text))
        return {};
    json::parser parser;
    json::document document;
    error_code error = parser.iterate(text.data(), text.size(), capacity).get(document);
    if (error == simdjson::UTF8_ERROR)
        throw ImportError::jsonNotUTF8();
    // The parser's index has room for 4 GiB; a larger file is no damaged one.
    if (error == simdjson::CAPACITY)
        throw FileError(FileError::Operation::read, make_error_code(FileProblem::tooLarge), {});
    if (error != simdjson::SUCCESS)
        throw ImportError::invalidJSON(0, simdjson::error_message(error));
    return Reader(text, document).read();
}

} // namespace

ImportResult GeoJSONImporter::importFile(const std::filesystem::path& path) const {
    return importOwnedData(readFileBytes(path));
}

ImportResult GeoJSONImporter::importData(std::string_view bytes) const {
    std::string copy;
    copy.reserve(bytes.size() + simdjson::SIMDJSON_PADDING);
    copy.assign(bytes);
    return importOwnedData(std::move(copy));
}

ImportResult GeoJSONImporter::importOwnedData(std::string bytes) const {
    if (bytes.capacity() - bytes.size() < simdjson::SIMDJSON_PADDING)
        bytes.reserve(bytes.size() + simdjson::SIMDJSON_PADDING);
    // A byte order mark is no JSON, yet some editors write one.
    std::string_view text = withoutByteOrderMark(bytes);
    std::size_t skipped = bytes.size() - text.size();
    return parse(text, bytes.capacity() - skipped);
}

} // namespace marklode
