#include "cli/Printing.h"

#include "core/text/TextDecoding.h"
#include "rules/UserMessage.h"

#include <cstdio>
#include <ostream>

namespace marklode::cli {

namespace {

// Non-ASCII scalars that drive terminals (C1), reorder text or break lines.
bool needsEscape(char32_t scalar) {
    return (scalar >= 0x80 && scalar <= 0x9F) || scalar == 0x061C || scalar == 0x200E ||
           scalar == 0x200F || (scalar >= 0x2028 && scalar <= 0x202E) ||
           (scalar >= 0x2066 && scalar <= 0x2069);
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            out += text[i++];
            continue;
        }
        DecodedScalar decoded = decodeScalarAt(text, i);
        char32_t scalar = decoded.scalar;
        bool malformed = scalar == 0xFFFD && decoded.length == 1;
        char escape[16];
        if (scalar == '\n' || scalar == '\r' || scalar == '\t') {
            out += scalar == '\n' ? "\\n" : scalar == '\r' ? "\\r" : "\\t";
        } else if (malformed || scalar < 0x80) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        } else if (needsEscape(scalar)) {
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(scalar));
            out += escape;
        } else {
            out.append(text.substr(i, decoded.length));
        }
        i += decoded.length;
    }
    return out;
}

void writePOI(JsonWriter& json, const POI& poi) {
    json.beginObject();
    for (const auto& [key, value] : encode(poi)) {
        json.key(key);
        if (const double* number = std::get_if<double>(&value))
            json.value(*number);
        else
            json.value(std::get<std::string>(value));
    }
    json.endObject();
}

std::string countOf(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string describePOI(const POI& poi) {
    char position[64];
    std::snprintf(position, sizeof position, "%10.6f %11.6f", poi.latitude, poi.longitude);
    std::string line = std::string(position) + "  " + printable(poi.name);
    if (poi.comment)
        line += " — " + printable(*poi.comment);
    if (poi.speedKmh) {
        std::snprintf(position, sizeof position, "  [speed %g km/h]", *poi.speedKmh);
        line += position;
    }
    if (poi.proximityMeters) {
        std::snprintf(position, sizeof position, "  [proximity %g m]", *poi.proximityMeters);
        line += position;
    }
    return line;
}

int reportFailure(Streams& io, bool json, const std::string& message) {
    if (json) {
        JsonWriter writer;
        writer.beginObject().key("error").value(message).endObject();
        io.out << writer.text() << '\n';
    } else {
        io.err << printable(message) << '\n';
    }
    return exitFailure;
}

int reportCurrentFailure(Streams& io, bool json) {
    return reportFailure(io, json, userMessage(std::current_exception()));
}

void reportCurrentFailureOf(Streams& io, std::string_view subject) {
    io.err << printable(subject) << ": " << printable(userMessage(std::current_exception()))
           << '\n';
}

} // namespace marklode::cli
