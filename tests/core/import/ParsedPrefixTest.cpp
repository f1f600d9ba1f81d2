#include "core/import/ParsedPrefix.h"

#include "core/import/GeoJSONImporter.h"
#include "core/import/ImportError.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace marklode;

// Lines are told right across released pages, and only whole pages before the offset go.
TEST(ParsedPrefixTest, CountsTheLinesOfWhatItReleases) {
    std::string text;
    for (int i = 0; text.size() < 3 * ParsedPrefix::step; ++i)
        text += "line " + std::to_string(i) + "\n";
    std::size_t lineLength = std::string("line 100000\n").size();
    std::size_t at = text.find("line 1000000\n");
    ASSERT_NE(at, std::string::npos);
    ParsedPrefix prefix(text);
    prefix.passed(ParsedPrefix::step - 1);
    EXPECT_EQ(prefix.releasedUpTo(), 0u);
    prefix.passed(at + 5);
    EXPECT_GT(prefix.releasedUpTo(), at - 2 * 4096 - lineLength);
    EXPECT_LE(prefix.releasedUpTo(), at + 5);
    EXPECT_EQ(text[prefix.releasedUpTo() - 4096], '\0');
    EXPECT_EQ(prefix.lineAt(at), 1'000'001);
    EXPECT_EQ(prefix.lineAt(text.size()),
              std::count(text.begin() + at, text.end(), '\n') + 1'000'001);
}

// A large file's broken end is found on its line though the start is gone by then.
TEST(ParsedPrefixTest, GeoJSONErrorsKeepTheirLinesInLargeFiles) {
    std::string feature =
        R"({"type": "Feature", "geometry": {"type": "Point", "coordinates": [1, 2]},)"
        R"( "properties": {"name": "A"}},)"
        "\n";
    std::string text = "{\"type\": \"FeatureCollection\", \"features\": [\n";
    std::int64_t lines = 1;
    while (text.size() < 3 * ParsedPrefix::step) {
        text += feature;
        ++lines;
    }
    text += "{\"type\": \"Feature\",, }]}\n";
    try {
        GeoJSONImporter().importOwnedData(std::move(text));
        FAIL();
    } catch (const ImportError& error) {
        auto* invalid = std::get_if<ImportError::InvalidJSON>(&error.kind);
        ASSERT_NE(invalid, nullptr);
        EXPECT_EQ(invalid->line, lines + 1);
    }
}
