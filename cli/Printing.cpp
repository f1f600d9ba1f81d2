#include "cli/Printing.h"

#include "core/text/Translation.h"
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

std::string poiCountText(std::size_t count) {
    // %1 rather than %n, which could not hold a count beyond int.
    return formatted(translate("CliPrinting", "%1 POIs", nullptr, pluralCount(count)),
                     {std::to_string(count)});
}

std::string poisInCategoriesText(std::size_t pois, std::size_t categories) {
    //: %1 is a count of POIs ("1 POI", "12 POIs").
    return formatted(
        translate("CliPrinting", "%1 in %n categories", nullptr, pluralCount(categories)),
        {poiCountText(pois)});
}

namespace {

// "street, postal code city, region, country", leaving out what is not set.
std::string describeAddress(const Address& address) {
    const std::string place = [&] {
        std::string text = address.postalCode;
        if (!text.empty() && !address.city.empty())
            text += ' ';
        return text + address.city;
    }();
    std::string text;
    for (const std::string* part : {&address.street, &place, &address.region, &address.country}) {
        if (part->empty())
            continue;
        if (!text.empty())
            text += ", ";
        text += *part;
    }
    return text;
}

} // namespace

std::string describePOI(const POI& poi) {
    char position[64];
    std::snprintf(position, sizeof position, "%10.6f %11.6f", poi.latitude, poi.longitude);
    std::string line = std::string(position) + "  " + printable(poi.name);
    if (poi.comment)
        line += " — " + printable(*poi.comment);
    if (poi.speedKmh) {
        std::snprintf(position, sizeof position, "%g", *poi.speedKmh);
        //: A POI's speed limit in a line that describes the POI.
        line += "  " + formatted(translate("CliPrinting", "[speed %1 km/h]"), {position});
    }
    if (poi.proximityMeters) {
        std::snprintf(position, sizeof position, "%g", *poi.proximityMeters);
        //: The distance of a POI's proximity alert, in a line that describes the POI.
        line += "  " + formatted(translate("CliPrinting", "[proximity %1 m]"), {position});
    }
    if (!poi.address().isEmpty())
        line += "  " + formatted(translate("CliPrinting", "[address %1]"),
                                 {printable(describeAddress(poi.address()))});
    if (!poi.phone().empty())
        line += "  " + formatted(translate("CliPrinting", "[phone %1]"), {printable(poi.phone())});
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
