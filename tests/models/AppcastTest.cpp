#include "models/Appcast.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(AppcastTest, VersionsCompareNumericallyPartByPart) {
    struct Case {
        const char* left;
        const char* right;
        std::optional<int> order;
    };
    const Case cases[] = {
        {"1.10", "1.9", 1},
        {"1.9", "1.10", -1},
        {"2", "2.0.0", 0},
        {"2.01", "2.1", 0},
        {"10", "9", 1},
        {"1.2.3", "1.2", 1},
        {"0.9", "1", -1},
        // Longer than any integer type, still ordered.
        {"123456789012345678901234567890", "123456789012345678901234567889", 1},
        {"1.2a", "1.2", std::nullopt},
        {"", "1", std::nullopt},
        {"1..2", "1", std::nullopt},
        {"-1", "1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(compareVersions(QString::fromLatin1(c.left), QString::fromLatin1(c.right)),
                  c.order)
            << c.left << " vs " << c.right;
}

TEST(AppcastTest, ReadsItemsInBothPlacesTheFeedMayPutTheirVersion) {
    QByteArray feed = R"(<?xml version="1.0"?>
<rss version="2.0" xmlns:sparkle="https://marklode.example/update-feed">
<channel><title>Marklode</title>
<item>
  <title>Marklode 1.4</title>
  <sparkle:version>14</sparkle:version>
  <sparkle:shortVersionString>1.4</sparkle:shortVersionString>
  <description><![CDATA[<p>Faster & <b>smaller</b></p>]]></description>
  <enclosure url="files/marklode_1.4.deb" length="1234" type="application/vnd.debian.binary-package"
             sparkle:os="linux" sparkle:edSignature="c2ln"/>
</item>
<item>
  <sparkle:releaseNotesLink>https://marklode.example/notes/13.html</sparkle:releaseNotesLink>
  <enclosure url="https://dl.example/m13.deb" length="99" sparkle:version="13"
             sparkle:os="linux" sparkle:edSignature="c2ln"/>
</item>
</channel></rss>)";
    AppcastParse parsed =
        parseAppcast(feed, QUrl(QStringLiteral("https://marklode.example/appcast.xml")));
    ASSERT_FALSE(parsed.error.has_value()) << parsed.error->toStdString();
    ASSERT_EQ(parsed.items.size(), 2u);
    const AppcastItem& first = parsed.items[0];
    EXPECT_EQ(first.version, QStringLiteral("14"));
    EXPECT_EQ(first.shortVersion, QStringLiteral("1.4"));
    EXPECT_EQ(first.notesHtml, QStringLiteral("<p>Faster & <b>smaller</b></p>"));
    EXPECT_EQ(first.url, QUrl(QStringLiteral("https://marklode.example/files/marklode_1.4.deb")));
    EXPECT_EQ(first.length, 1234);
    const AppcastItem& second = parsed.items[1];
    EXPECT_EQ(second.version, QStringLiteral("13"));
    EXPECT_EQ(second.shortVersion, QStringLiteral("13"));
    EXPECT_EQ(second.notesLink, QUrl(QStringLiteral("https://marklode.example/notes/13.html")));
    EXPECT_EQ(newestApplicable(parsed.items), first);
}
