#include "core/import/CSVParts.h"

#include "core/import/CSVImporter.h"
#include "tests/core/import/ImportPrinters.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using namespace marklode;

namespace {

// `count` rows of stops, each with its own coordinates and name.
std::string stops(int from, int count, const char* lineEnd = "\n") {
    std::string text;
    for (int i = from; i < from + count; ++i)
        text += std::to_string(i % 180) + "." + std::to_string(i) + ",45.5,Stop " +
                std::to_string(i) + lineEnd;
    return text;
}

} // namespace

TEST(CSVPartsTest, PartsImportAsOnePass) {
    const std::string half = stops(0, 40);
    const struct {
        const char* label;
        std::string bytes;
        bool splits; // whether the parts can give the result, as UTF-8
    } cases[] = {
        {"too small to cut", "8.5,47.3,A", false},
        {"plain rows", stops(0, 80), true},
        {"CR LF throughout", stops(0, 80, "\r\n"), true},
        {"a quoted line break at the cut",
         half + "1,2,\"long\n" + std::string(2000, 'x') + "\n3,4,B\n\"\n" + stops(40, 3), false},
        {"quoted line breaks before the cut shift the later lines",
         "9,9,\"a\nb\rc\r\nd\",\"x\xE2\x80\xA8y\"\n" + half + "bad\n" + half + "1,95,C\n,,\n",
         true},
        {"a quoted header names the columns",
         "\"Longitude\",\"Latitude\",\"Comment\",\"Name\"\n" + stops(0, 40, ",note\n") +
             "7.88,47.75,\"open\n daily\",\"Fuel, north\"\nx,y,z\n" + stops(40, 40, ",note\n"),
         true},
        {"detail columns", "lon,lat,name,city,phone\n" + half + "7,8,Hut,Chur,081\n" + half, true},
        {"blank lines before the header run past the cut",
         std::string(2000, '\n') + "lon,lat,name\n" + stops(0, 5), false},
        {"Windows-1252 in the later part only", half + half + "7,8,Caf\xE9\n", false},
    };
    for (const auto& c : cases) {
        for (std::size_t parts : {2, 3}) {
            CSVImporter oneGo(SpeedUnit::milesPerHour);
            oneGo.parallelFromBytes = SIZE_MAX;
            CSVImporter inParts(SpeedUnit::milesPerHour);
            inParts.parallelFromBytes = 0;
            inParts.parallelParts = parts;
            const ImportResult expected = oneGo.importData(c.bytes);
            EXPECT_EQ(inParts.importData(c.bytes), expected) << c.label << ", " << parts;
            csv::PartsImport direct =
                csv::importInParts(c.bytes, SpeedUnit::milesPerHour, parts, true);
            EXPECT_EQ(direct.result.has_value(), c.splits) << c.label << ", " << parts;
            if (direct.result) {
                EXPECT_EQ(*direct.result, expected) << c.label << ", " << parts;
            }
        }
    }
}
