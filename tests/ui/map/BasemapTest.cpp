#include "ui/map/Basemap.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace marklode::map;

namespace {

QByteArray embedded() {
    QFile file(QStringLiteral(":/marklode/map/basemap.bin"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(Basemap, RefusesDamagedDataWithoutReadingPastIt) {
    const QByteArray good = embedded();
    ASSERT_GT(good.size(), 100'000);
    EXPECT_GT(Basemap(good).pathCount(), 1000u);

    QByteArray otherVersion = good;
    otherVersion[4] = 2;
    // One layer, one path claiming more points than any data could hold.
    QByteArray hugePath =
        good.left(8) + QByteArray("\x01\x00\x00\x00\x00\x01\x00\x00\x00\xff\xff\xff\x7f", 13);
    struct Case {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"not a basemap", QByteArray("PNG\x0d\x0a\x1a\x0a and more bytes")},
        {"another version", otherVersion},
        {"cut short", good.left(good.size() / 2)},
        {"cut inside the header", good.left(10)},
        {"a path longer than the data", hugePath},
    };
    for (const auto& c : cases)
        EXPECT_THROW(Basemap{c.data}, std::runtime_error) << c.name;
}

TEST(Basemap, RendersTilesForTheDevicePixels) {
    struct Case {
        double ratio;
        int pixels;
    } cases[] = {{1, 256}, {1.5, 384}, {2, 512}};
    for (const auto& c : cases) {
        const QImage tile = Basemap::builtIn().renderTile({2, 2, 1}, c.ratio); // Europe, Africa
        EXPECT_EQ(tile.width(), c.pixels);
        EXPECT_EQ(tile.devicePixelRatio(), c.ratio);
        // Nigeria is land, the Gulf of Guinea sea, at every ratio.
        EXPECT_EQ(tile.pixelColor(int(c.pixels * 0.05), int(c.pixels * 0.9)), Basemap::landColour())
            << c.ratio;
        EXPECT_EQ(tile.pixelColor(int(c.pixels * 0.0), int(c.pixels * 0.99)), Basemap::seaColour())
            << c.ratio;
    }
}

} // namespace
