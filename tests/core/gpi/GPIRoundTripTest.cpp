// Files written here are read back by gpsbabel, a reader we did not write.

#include "core/gpi/GPIReader.h"
#include "core/gpi/GPIWriter.h"
#include "support/GPITestSupport.h"
#include "support/TempDir.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using namespace marklode;
using namespace marklode::test;

namespace {

const char* const gpsbabel = "/usr/bin/gpsbabel";

std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// One row per waypoint, keyed by column name.
struct BabelOutput {
    std::vector<std::map<std::string, std::string>> rows;
    std::string errors;
    int status = -1;
};

BabelOutput readWithGpsbabel(const TempDir& dir, const std::filesystem::path& file) {
    std::filesystem::path errors = dir / "gpsbabel.err";
    std::string command = std::string(gpsbabel) + " -i garmin_gpi -f '" + file.string() +
                          "' -o unicsv,prec=9 -F - 2>'" + errors.string() + "'";
    BabelOutput output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return output;
    std::string text;
    char chunk[4096];
    while (std::size_t got = std::fread(chunk, 1, sizeof chunk, pipe))
        text.append(chunk, got);
    output.status = ::pclose(pipe);
    output.errors = readText(errors);

    std::vector<std::string> header;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields = csvFields(line);
        if (header.empty()) {
            header = fields;
            continue;
        }
        std::map<std::string, std::string> row;
        for (std::size_t k = 0; k < header.size() && k < fields.size(); ++k)
            row[header[k]] = fields[k];
        output.rows.push_back(row);
    }
    return output;
}

double storedDegrees(double degrees) {
    return GPIWriter::semicircles(degrees) * 180.0 / 2147483648.0;
}

std::vector<GPICategory> europeanCategories(const GPIIcon& icon) {
    std::vector<POI> cafes{
        {48.137154, 11.576124, "Café Münchner Freiheit", "Öffnet um 8 – Kuchen 3 €", std::nullopt,
         std::nullopt},
        {52.520008, 13.404954, "Straße des 17. Juni", std::nullopt, 50.0, 150.7},
        {-33.8688, 151.2093, "Ça va, Sydney", "“quoted”, with comma", std::nullopt, 400.0},
        {90.0, -180.0, "Corner", std::nullopt, 33.0, std::nullopt},
        {47.3769, 8.5417, "Adresse", "mit Kommentar", 30.0, std::nullopt},
        {47.1, 8.1, "Nur Telefon", std::nullopt, std::nullopt, std::nullopt},
    };
    cafes[4].setDetails({"", {"Bahnhofstraße 1", "Zürich", "ZH", "8001", "Schweiz"}, "+41 44"});
    cafes[5].setDetails({"", {}, "+49 (89) 123-456 · Büro"});
    std::vector<POI> many;
    for (int i = 0; i < 300; ++i) {
        POI p{43 + (i * 7919 % 300) * 0.05,
              -5 + (i * 104729 % 300) * 0.1,
              "Halt " + std::to_string(i),
              std::nullopt,
              std::nullopt,
              std::nullopt};
        if (i % 4 == 0)
            p.comment = "Bänke: " + std::to_string(i % 9);
        if (i % 10 == 0)
            p.proximityMeters = 100 + i;
        many.push_back(p);
    }
    return {{"Cafés", cafes, std::nullopt}, {"Haltestellen", many, icon}};
}

std::vector<GPICategory> utf8Categories() {
    return {
        {"Города",
         {{55.7558, 37.6173, "Москва", "столица", 60.0, std::nullopt},
          {59.9343, 30.3351, "Санкт-Петербург", std::nullopt, std::nullopt, 250.0}},
         std::nullopt},
        {"東京",
         {{35.6762, 139.6503, "東京タワー", "展望台 🗼", std::nullopt, std::nullopt},
          {-0.000001, -0.000001, "Ελλάδα near zero", std::nullopt, std::nullopt, std::nullopt},
          [] {
              POI point{35.6586, 139.7454, "住所", std::nullopt, std::nullopt, std::nullopt};
              point.setDetails({"", {.city = "港区", .postalCode = "105-0011"}, "☎ 03"});
              return point;
          }()},
         std::nullopt},
    };
}

void expectGpsbabelReadsBack(const std::vector<GPICategory>& categories, const char* label) {
    TempDir dir;
    GPIWriter writer{"unused", "EN", "Marklode", std::nullopt, std::nullopt};
    std::filesystem::path file = dir / "poi.gpi";
    std::vector<POI> all;
    for (const GPICategory& category : categories)
        all.insert(all.end(), category.pois.begin(), category.pois.end());
    ByteVector bytes = writer.data(categories);
    dir.write("poi.gpi", std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(GPIReader::read(bytes).poiCount(), static_cast<std::int64_t>(all.size()));

    BabelOutput output = readWithGpsbabel(dir, file);
    ASSERT_EQ(output.status, 0) << label << ": " << output.errors;
    EXPECT_EQ(output.errors, "") << label;
    ASSERT_EQ(output.rows.size(), all.size()) << label;

    std::map<std::string, std::map<std::string, std::string>> byName;
    for (auto& row : output.rows) {
        std::string name = row["Name"];
        // Speed alerts come back as an "@km/h" suffix of the name.
        if (auto at = name.rfind('@'); at != std::string::npos) {
            row["Speed"] = name.substr(at + 1);
            name.resize(at);
        }
        byName[name] = row;
    }
    for (const POI& poi : all) {
        auto found = byName.find(poi.name);
        ASSERT_NE(found, byName.end()) << label << ": " << poi.name;
        auto& row = found->second;
        EXPECT_NEAR(std::stod(row["Latitude"]), storedDegrees(poi.latitude), 1e-8) << poi.name;
        EXPECT_NEAR(std::stod(row["Longitude"]), storedDegrees(poi.longitude), 1e-8) << poi.name;
        if (poi.comment) {
            EXPECT_EQ(row["Description"], *poi.comment) << poi.name;
        }
        if (poi.proximityMeters) {
            EXPECT_EQ(std::stod(row["Proximity"]), std::trunc(*poi.proximityMeters)) << poi.name;
        } else {
            EXPECT_EQ(row["Proximity"], "") << poi.name;
        }
        if (poi.speedKmh) {
            double stored = std::trunc(*poi.speedKmh * 1000 / 36) * 0.036;
            EXPECT_EQ(row["Speed"], std::to_string(std::lround(stored))) << poi.name;
        } else {
            EXPECT_EQ(row["Speed"], "") << poi.name;
        }
        const Address& address = poi.address();
        EXPECT_EQ(row["Address"], address.street) << poi.name;
        EXPECT_EQ(row["City"], address.city) << poi.name;
        EXPECT_EQ(row["State"], address.region) << poi.name;
        EXPECT_EQ(row["PostalCode"], address.postalCode) << poi.name;
        EXPECT_EQ(row["Country"], address.country) << poi.name;
        EXPECT_EQ(row["Phone"], poi.phone()) << poi.name;
    }
}

} // namespace

TEST(GPIRoundTripTest, GpsbabelReadsWindows1252AndUTF8Files) {
    if (::access(gpsbabel, X_OK) != 0)
        GTEST_SKIP() << "gpsbabel is not installed at " << gpsbabel
                     << "; the independent read-back check did not run";
    GPIIcon icon = GPIIcon::fromBMP(makeBMP({.width = 16, .height = 16}, patternColour));
    auto windows1252 = europeanCategories(icon);
    ASSERT_EQ(GPIWriter::encoding(windows1252), GPIEncoding::windows1252);
    expectGpsbabelReadsBack(windows1252, "Windows-1252 file");

    auto utf8 = utf8Categories();
    ASSERT_EQ(GPIWriter::encoding(utf8), GPIEncoding::utf8);
    expectGpsbabelReadsBack(utf8, "UTF-8 file");
}

TEST(GPIRoundTripTest, AddressesInGpsbabelsFilesReadBack) {
    if (::access(gpsbabel, X_OK) != 0)
        GTEST_SKIP() << "gpsbabel is not installed at " << gpsbabel
                     << "; the independent file was not made";
    TempDir dir;
    auto input = dir.write(
        "in.gpx",
        R"(<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1")"
        R"( xmlns:gpxx="http://www.garmin.com/xmlschemas/GpxExtensions/v3">)"
        R"(<wpt lat="47.1" lon="8.5"><name>Full</name><extensions><gpxx:WaypointExtension>)"
        R"(<gpxx:Address><gpxx:StreetAddress>Bahnhofstraße 1</gpxx:StreetAddress>)"
        R"(<gpxx:City>Zürich</gpxx:City><gpxx:State>ZH</gpxx:State>)"
        R"(<gpxx:Country>Schweiz</gpxx:Country><gpxx:PostalCode>8001</gpxx:PostalCode>)"
        R"(</gpxx:Address><gpxx:PhoneNumber>+41 44</gpxx:PhoneNumber>)"
        R"(</gpxx:WaypointExtension></extensions></wpt>)"
        R"(<wpt lat="47.2" lon="8.5"><name>Postal code</name><extensions>)"
        R"(<gpxx:WaypointExtension><gpxx:Address><gpxx:PostalCode>F-75001</gpxx:PostalCode>)"
        R"(</gpxx:Address></gpxx:WaypointExtension></extensions></wpt></gpx>)");
    auto output = dir / "out.gpi";
    std::string command = std::string(gpsbabel) + " -i gpx -f '" + input.string() +
                          "' -o garmin_gpi -F '" + output.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string bytes = readText(output);
    std::vector<POI> pois =
        GPIReader::readWithPOIs({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})
            .categories.at(0)
            .pois;
    ASSERT_EQ(pois.size(), 2u);
    if (pois[0].name != "Full")
        std::swap(pois[0], pois[1]);
    EXPECT_EQ(pois[0].address(), (Address{"Bahnhofstraße 1", "Zürich", "ZH", "8001", "Schweiz"}));
    EXPECT_EQ(pois[0].phone(), "+41 44");
    EXPECT_EQ(pois[1].address(), (Address{.postalCode = "F-75001"}));
    EXPECT_EQ(pois[1].phone(), "");
}
