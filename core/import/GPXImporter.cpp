#include "core/import/GPXImporter.h"

#include "core/import/ImportError.h"
#include "core/import/XMLChunks.h"
#include "core/io/ReadFile.h"
#include "core/text/NumberSyntax.h"
#include "core/text/TextClasses.h"
#include "core/text/TextDecoding.h"

#define XML_DTD // declares the amplification limits
#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <expat.h>

namespace marklode {

namespace {

// Namespace URIs can't contain U+0001, so the local name is whatever follows the last one.
constexpr char namespaceSeparator = '\x01';

std::string_view localName(const XML_Char* name) {
    const char* separator = std::strrchr(name, namespaceSeparator);
    return separator ? separator + 1 : name;
}

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

bool isBlankBytes(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

bool equalsIgnoringASCIICase(const char* text, std::string_view lower) {
    return equalsIgnoringASCIICase(std::string_view(text), lower);
}

int XMLCALL unknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    if (!equalsIgnoringASCIICase(name, "windows-1252") && !equalsIgnoringASCIICase(name, "cp1252"))
        return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) {
        char32_t scalar = windows1252Scalar(static_cast<unsigned char>(byte));
        info->map[byte] = scalar == 0 && byte != 0 ? -1 : static_cast<int>(scalar);
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

struct ParseContext {
    XML_Parser parser = nullptr;
    GPXImporter::Delegate delegate;
    std::int64_t depth = 0;
    std::int64_t entityDeclarations = 0;
    std::optional<std::pair<std::int64_t, const char*>> refused;
    std::exception_ptr failure;

    std::int64_t line() const {
#ifdef MARKLODE_HAVE_XML_LINE_NUMBER_64 // newer expat deprecates the XML_Size form
        return static_cast<std::int64_t>(XML_GetCurrentLineNumber64(parser));
#else
        return static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser));
#endif
    }

    void refuse(const char* message) {
        refused.emplace(line(), message);
        XML_StopParser(parser, XML_FALSE);
    }

    // Exceptions must not unwind through the parser's C frames.
    template <typename Body> void guarded(Body body) {
        try {
            body();
        } catch (...) {
            failure = std::current_exception();
            XML_StopParser(parser, XML_FALSE);
        }
    }
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& context = *static_cast<ParseContext*>(data);
    context.guarded([&] {
        if (++context.depth > GPXImporter::maximumDepth) {
            context.refuse("elements nested too deeply");
            return;
        }
        std::string_view local = localName(name);
        std::optional<std::string_view> lat, lon;
        if (local == "wpt" && !context.delegate.current) {
            for (const XML_Char** attribute = attributes; *attribute; attribute += 2) {
                std::string_view attributeName = localName(attribute[0]);
                if (!lat && attributeName == "lat")
                    lat = attribute[1];
                else if (!lon && attributeName == "lon")
                    lon = attribute[1];
            }
        }
        context.delegate.startElement(local, lat, lon, context.line());
    });
}

void XMLCALL onEnd(void* data, const XML_Char* name) {
    auto& context = *static_cast<ParseContext*>(data);
    context.guarded([&] {
        --context.depth;
        context.delegate.endElement(localName(name));
    });
}

void XMLCALL onCharacters(void* data, const XML_Char* text, int length) {
    auto& context = *static_cast<ParseContext*>(data);
    context.guarded([&] {
        context.delegate.characters(std::string_view(text, static_cast<std::size_t>(length)));
    });
}

bool coordinate(const std::optional<std::string>& text, double limit, double& value) {
    std::optional<double> parsed = text ? parseNumber(*text) : std::nullopt;
    if (!parsed || !(std::fabs(*parsed) <= limit))
        return false;
    value = *parsed;
    return true;
}

// The parser expands entity references recursively, so a long chain of entities each
// referring to the previous one exhausts the stack. The chain can't be longer than the number
// of declarations, and GPX files have no use for many.
void XMLCALL onEntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int,
                                 const XML_Char*, const XML_Char*, const XML_Char*,
                                 const XML_Char*) {
    auto& context = *static_cast<ParseContext*>(data);
    if (++context.entityDeclarations > GPXImporter::maximumEntityDeclarations)
        context.refuse("too many entity declarations");
}

struct ParserHandle {
    XML_Parser parser;
    ~ParserHandle() { XML_ParserFree(parser); }
};

} // namespace

void GPXImporter::Delegate::startElement(std::string_view localName,
                                         std::optional<std::string_view> latValue,
                                         std::optional<std::string_view> lonValue,
                                         std::int64_t line) {
    if (localName == "wpt" && !current) {
        current.emplace();
        currentLine = line;
        lat = latValue ? std::optional<std::string>(*latValue) : std::nullopt;
        lon = lonValue ? std::optional<std::string>(*lonValue) : std::nullopt;
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
    if (values.details.category.empty() && values.type)
        values.details.category = trimWhitespaceAndNewlines(*values.type);
    result.pois.push_back(
        POI{latitude, longitude, std::string(name), std::move(comment), std::nullopt, proximity});
    if (!values.details.isEmpty())
        result.pois.back().setDetails(std::move(values.details));
}

ImportResult GPXImporter::importFile(const std::filesystem::path& path) const {
    return importData(readFileBytes(path));
}

ImportResult GPXImporter::importData(std::string_view bytes) const {
    if (isBlankBytes(bytes))
        return {};

    ParseContext context;
    ParserHandle handle{XML_ParserCreateNS(nullptr, namespaceSeparator)};
    if (!handle.parser)
        throw std::bad_alloc();
    context.parser = handle.parser;
    XML_SetUserData(handle.parser, &context);
    XML_SetElementHandler(handle.parser, onStart, onEnd);
    XML_SetCharacterDataHandler(handle.parser, onCharacters);
    XML_SetEntityDeclHandler(handle.parser, onEntityDeclaration);
    XML_SetUnknownEncodingHandler(handle.parser, unknownEncoding, nullptr);
    // Entity expansion may not grow a document beyond 100 times its size once past 8 MiB.
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(handle.parser, 100.0f);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(handle.parser, 8u << 20);

    bool parsed = parseInChunks(handle.parser, bytes);
    if (context.failure)
        std::rethrow_exception(context.failure);
    if (context.refused)
        throw ImportError::invalidXML(context.refused->first, context.refused->second);
    if (!parsed) {
        const XML_LChar* description = XML_ErrorString(XML_GetErrorCode(handle.parser));
        throw ImportError::invalidXML(context.line(),
                                      description ? description : "Unknown XML error");
    }
    return std::move(context.delegate.result);
}

} // namespace marklode
