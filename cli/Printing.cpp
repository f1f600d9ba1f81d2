#include "cli/Printing.h"

#include "rules/UserMessage.h"

#include <cstdio>
#include <ostream>

namespace marklode::cli {

void writePOI(JsonWriter& json, const POI& poi, bool withCategory) {
    json.beginObject();
    for (const auto& [key, value] : encode(poi)) {
        if (!withCategory && key == "category")
            continue;
        json.key(key);
        if (const double* number = std::get_if<double>(&value)) {
            json.value(*number);
        } else if (const KeyedFields* fields = std::get_if<KeyedFields>(&value)) {
            json.beginObject();
            for (const auto& [fieldKey, text] : *fields) {
                json.key(fieldKey);
                json.value(text);
            }
            json.endObject();
        } else {
            json.value(std::get<std::string>(value));
        }
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
