#include "bench/GenData.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace marklode::bench {

namespace {

// xorshift64*: the same sequence on every platform and standard library.
class Random {
  public:
    std::uint64_t next() {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1DULL;
    }
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    bool chance(unsigned percent) { return below(100) < percent; }
    double between(double low, double high) {
        return low + (high - low) * static_cast<double>(next() >> 11) / 9007199254740992.0;
    }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[below(N)];
    }

  private:
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
};

constexpr std::array<std::string_view, 12> kinds = {
    "Speed camera", "Fuel",      "Parking",        "Caf\xC3\xA9", "Viewpoint", "Campsite",
    "Bakery",       "Rest area", "Charging point", "Hotel",       "Pharmacy",  "Bus stop"};
constexpr std::array<std::string_view, 12> places = {
    "Z\xC3\xBCrich", "Bern", "Gen\xC3\xA8ve", "Basel", "Luzern",       "Lugano",
    "St. Gallen",    "Chur", "Sion",          "Thun",  "K\xC3\xB6niz", "Winterthur"};
constexpr std::array<std::string_view, 8> streets = {
    "Bahnhofstrasse", "Hauptstrasse",         "Seestrasse", "Dorfstrasse",
    "Kirchweg",       "Rue du March\xC3\xA9", "Via Nassa",  "Industriestrasse"};
constexpr std::array<std::string_view, 8> remarks = {
    "open daily",       "closed on Sundays", "free Wi-Fi", "cash only",
    "entrance at rear", "wheelchair access", "24/7",       "seasonal"};

std::string coordinate(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    return buffer;
}

std::string name(Random& random, std::int64_t index) {
    std::string text(random.pick(kinds));
    text += ' ';
    text += random.pick(places);
    text += ' ';
    text += std::to_string(index % 1000);
    return text;
}

std::string csvQuoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string xmlEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string jsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace

void writeCSV(std::ostream& out, std::int64_t rows) {
    Random random;
    out << "Name,Latitude,Longitude,Comment\r\n";
    std::string line;
    for (std::int64_t i = 0; i < rows; ++i) {
        line.clear();
        std::string title = name(random, i);
        if (random.chance(15))
            title += " @" + std::to_string(30 + random.below(10) * 10);
        if (random.chance(10))
            line += csvQuoted("\"" + title + "\" at " + std::string(random.pick(streets)));
        else if (random.chance(10))
            line += csvQuoted(title);
        else
            line += title;
        double lat = random.between(45.8, 47.8);
        double lon = random.between(5.9, 10.5);
        line += ',' + coordinate(lat) + ',' + coordinate(lon) + ',';
        if (random.chance(20))
            line += csvQuoted(std::string(random.pick(streets)) + " " +
                              std::to_string(1 + random.below(120)) + ", " +
                              std::string(random.pick(remarks)));
        else if (random.chance(60))
            line += random.pick(remarks);
        // Now and then a row the importer skips: blank, a coordinate typo, no name.
        if (random.chance(1))
            line = random.chance(50) ? "," : "Broken," + coordinate(lat) + ",9.x,";
        out << line << "\r\n";
    }
}

void writeGeoJSON(std::ostream& out, std::int64_t features) {
    Random random;
    out << "{\n\"type\": \"FeatureCollection\",\n\"name\": \"pois\",\n\"features\": [\n";
    std::string line;
    for (std::int64_t i = 0; i < features; ++i) {
        // The draws of writeCSV, in its order, so that both files hold the same POIs.
        std::string title = name(random, i);
        if (random.chance(15))
            title += " @" + std::to_string(30 + random.below(10) * 10);
        if (random.chance(10))
            title = "\"" + title + "\" at " + std::string(random.pick(streets));
        else
            random.chance(10);
        double lat = random.between(45.8, 47.8);
        double lon = random.between(5.9, 10.5);
        std::string comment;
        if (random.chance(20))
            comment = std::string(random.pick(streets)) + " " +
                      std::to_string(1 + random.below(120)) + ", " +
                      std::string(random.pick(remarks));
        else if (random.chance(60))
            comment = random.pick(remarks);
        std::string geometry = "{ \"type\": \"Point\", \"coordinates\": [ " + coordinate(lon) +
                               ", " + coordinate(lat) + " ] }";
        if (random.chance(1)) {
            if (random.chance(50))
                title.clear();
            else
                geometry = "null";
        }
        line = "{ \"type\": \"Feature\", \"properties\": { \"name\": " + jsonQuoted(title);
        if (!comment.empty())
            line += ", \"description\": " + jsonQuoted(comment);
        line += " }, \"geometry\": " + geometry + " }";
        out << line << (i + 1 < features ? ",\n" : "\n");
    }
    out << "]\n}\n";
}

void writeGPX(std::ostream& out, std::int64_t waypoints) {
    Random random;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"marklode-gen-data\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\" "
           "xmlns:wx=\"urn:example:waypoint-extension:v1\">\n";
    for (std::int64_t i = 0; i < waypoints; ++i) {
        out << "  <wpt lat=\"" << coordinate(random.between(45.8, 47.8)) << "\" lon=\""
            << coordinate(random.between(5.9, 10.5)) << "\">\n"
            << "    <ele>" << 200 + random.below(3000) << "</ele>\n"
            << "    <name>" << xmlEscaped(name(random, i)) << "</name>\n";
        if (random.chance(70))
            out << "    <cmt>"
                << xmlEscaped(std::string(random.pick(streets)) + " & " +
                              std::string(random.pick(remarks)))
                << "</cmt>\n";
        out << "    <sym>Flag, Blue</sym>\n";
        if (random.chance(50))
            out << "    <extensions>\n      <wx:WaypointExtension>\n        <wx:Proximity>"
                << 50 * (1 + random.below(20))
                << "</wx:Proximity>\n      </wx:WaypointExtension>\n    </extensions>\n";
        out << "  </wpt>\n";
    }
    out << "</gpx>\n";
}

void writeKML(std::ostream& out, std::int64_t placemarks) {
    Random random;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>Places</name>\n";
    for (std::size_t style = 0; style < kinds.size(); ++style)
        out << "<Style id=\"icon-" << style << "\"><IconStyle><Icon><href>images/icon-" << style
            << ".png</href></Icon></IconStyle></Style>\n";
    // Folders of a few thousand placemarks each, cycling through the kinds.
    constexpr std::int64_t perFolder = 5000;
    for (std::int64_t i = 0; i < placemarks; ++i) {
        std::size_t kind = static_cast<std::size_t>(i / perFolder) % kinds.size();
        if (i % perFolder == 0)
            out << (i > 0 ? "</Folder>\n" : "") << "<Folder>\n  <name>" << xmlEscaped(kinds[kind])
                << "</name>\n";
        out << "  <Placemark>\n    <name>" << xmlEscaped(name(random, i)) << "</name>\n";
        if (random.chance(30))
            out << "    <description><![CDATA[" << random.pick(streets) << " "
                << 1 + random.below(120) << "<br>" << random.pick(remarks) << "]]></description>\n";
        else if (random.chance(40))
            out << "    <description>" << xmlEscaped(random.pick(remarks)) << "</description>\n";
        out << "    <styleUrl>#icon-" << kind << "</styleUrl>\n";
        if (random.chance(20))
            out << "    <ExtendedData>\n      <Data name=\"City\"><value>" << random.pick(places)
                << "</value></Data>\n      <Data name=\"Phone\"><value>+41 " << random.below(100)
                << " " << random.below(1000) << "</value></Data>\n    </ExtendedData>\n";
        out << "    <Point>\n      <coordinates>" << coordinate(random.between(5.9, 10.5)) << ','
            << coordinate(random.between(45.8, 47.8)) << ",0</coordinates>\n    </Point>\n"
            << "  </Placemark>\n";
    }
    if (placemarks > 0)
        out << "</Folder>\n";
    out << "</Document>\n</kml>\n";
}

} // namespace marklode::bench
