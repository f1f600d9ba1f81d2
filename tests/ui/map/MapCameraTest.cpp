#include "ui/map/MapCamera.h"

#include "ui/map/WebMercator.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace marklode::map;

namespace {

// Great-circle distance on the projection's sphere, to check regions by what they measure on
// the ground rather than by the projection's own formulas.
double haversineMeters(Coordinate a, Coordinate b) {
    const double rad = std::numbers::pi / 180;
    const double dLat = (b.latitude - a.latitude) * rad, dLon = (b.longitude - a.longitude) * rad;
    const double h = std::pow(std::sin(dLat / 2), 2) + std::cos(a.latitude * rad) *
                                                           std::cos(b.latitude * rad) *
                                                           std::pow(std::sin(dLon / 2), 2);
    return 2 * mercator::earthRadiusMeters * std::asin(std::sqrt(h));
}

MapCamera camera(WorldPoint centre, double zoom, QSizeF viewport) {
    MapCamera c;
    c.centre = centre;
    c.zoom = zoom;
    c.viewport = viewport;
    return c;
}

TEST(MapCamera, ProjectsTheEdgesOfTheWorld) {
    struct Case {
        Coordinate coordinate;
        WorldPoint expected;
    } cases[] = {
        {{0, 0}, {0.5, 0.5}},
        {{mercator::maxLatitude, -180}, {0, 0}},
        {{-mercator::maxLatitude, 180}, {1, 1}},
        {{90, 0}, {0.5, 0}}, // beyond the limit: clamped, not infinite
        {{-90, 90}, {0.75, 1}},
    };
    for (const auto& c : cases) {
        const WorldPoint world = project(c.coordinate);
        EXPECT_NEAR(world.x, c.expected.x, 1e-12)
            << c.coordinate.latitude << "," << c.coordinate.longitude;
        EXPECT_NEAR(world.y, c.expected.y, 1e-12)
            << c.coordinate.latitude << "," << c.coordinate.longitude;
    }
    const Coordinate back = unproject(project({48.8566, 2.3522}));
    EXPECT_NEAR(back.latitude, 48.8566, 1e-9);
    EXPECT_NEAR(back.longitude, 2.3522, 1e-9);
    EXPECT_NEAR(unproject({1.25, 0.5}).longitude, -90, 1e-9); // x wraps
}

TEST(MapCamera, CoversTheViewWithTilesAtTheEdges) {
    struct Case {
        const char* name;
        MapCamera camera;
        int tileZoom;
        std::vector<TileKey> mustInclude;
        std::size_t count;
    } cases[] = {
        {"zoom 0, the whole world", camera({0.5, 0.5}, 0, {256, 256}), 0, {{0, 0, 0}}, 1},
        {"zoom 19 at null island",
         camera({0.5, 0.5}, 19, {256, 256}),
         19,
         {{19, 262143, 262143}, {19, 262144, 262144}},
         4},
        {"across the antimeridian",
         camera({0.0, 0.5}, 2, {512, 256}),
         2,
         {{2, 3, 1}, {2, 0, 1}, {2, 3, 2}, {2, 0, 2}},
         4},
        {"at the northern limit",
         camera({0.5, 0.0}, 3, {256, 512}).normalized(),
         3,
         {{3, 3, 0}, {3, 4, 0}},
         4},
        {"world narrower than the view", camera({0.5, 0.5}, 0, {1024, 256}), 0, {{0, 0, 0}}, 5},
    };
    for (const auto& c : cases) {
        const auto cells = visibleTiles(c.camera, c.tileZoom);
        EXPECT_EQ(cells.size(), c.count) << c.name;
        const int n = 1 << c.tileZoom;
        for (const auto& cell : cells) {
            EXPECT_TRUE(cell.key.x >= 0 && cell.key.x < n && cell.key.y >= 0 && cell.key.y < n)
                << c.name;
            EXPECT_TRUE(cell.target.intersects(QRectF(QPointF(0, 0), c.camera.viewport))) << c.name;
        }
        for (const auto& key : c.mustInclude)
            EXPECT_TRUE(std::any_of(cells.begin(), cells.end(),
                                    [&](const TileCell& cell) { return cell.key == key; }))
                << c.name << ": " << key.z << "/" << key.x << "/" << key.y;
    }
    // East of the antimeridian the last column sits left of the first.
    const auto cells = visibleTiles(camera({0.0, 0.5}, 2, {512, 256}), 2);
    const auto at = [&](int x) {
        return std::find_if(cells.begin(), cells.end(),
                            [&](const TileCell& c) { return c.key.x == x; })
            ->target;
    };
    EXPECT_DOUBLE_EQ(at(3).right(), at(0).left());
    EXPECT_DOUBLE_EQ(at(0).left(), 256);
}

TEST(MapCamera, PicksTileZoomForTheDevicePixels) {
    struct Case {
        double zoom, ratio;
        int expected;
    } cases[] = {{0, 1, 0}, {3.4, 1, 3}, {3.6, 1, 4}, {3.4, 2, 4}, {19, 2, 19}, {18.2, 2, 19}};
    for (const auto& c : cases)
        EXPECT_EQ(tileZoomFor(c.zoom, c.ratio), c.expected) << c.zoom << " @" << c.ratio;
}

TEST(MapCamera, KeepsTheViewInsideTheWorld) {
    const MapCamera north = camera({1.75, -0.2}, 2, {400, 400}).normalized();
    EXPECT_NEAR(north.centre.x, 0.75, 1e-12);
    EXPECT_NEAR(north.visibleWorld().top(), 0, 1e-12); // no sky beyond the latitude limit
    const MapCamera small = camera({0.3, 0.1}, 0, {400, 400}).normalized();
    EXPECT_DOUBLE_EQ(small.centre.y, 0.5); // the whole world fits: centred
    EXPECT_EQ(camera({0.5, 0.5}, 25, {10, 10}).normalized().zoom, mercator::maxZoom);
}

TEST(MapCamera, BoxesPointsTheNarrowWayRound) {
    const auto across = boundingBox({project({10, 179}), project({-10, -179})});
    ASSERT_TRUE(across);
    EXPECT_NEAR(across->width(), 2.0 / 360, 1e-12);
    EXPECT_NEAR(across->left(), project({0, 179}).x - 1, 1e-12);
    const auto plain = boundingBox({project({0, -10}), project({0, 10}), project({0, 0})});
    EXPECT_NEAR(plain->width(), 20.0 / 360, 1e-12);
    EXPECT_FALSE(boundingBox({}));
}

TEST(MapCamera, ZoomsToHoldARegionGivenInMetres) {
    struct Case {
        Coordinate centre;
        double northSouth, eastWest;
        QSizeF viewport;
    } cases[] = {
        {{0, 0}, 2000, 2000, {400, 300}},         {{60, 10}, 2000, 2000, {400, 300}},
        {{-33.9, 151.2}, 2000, 2000, {300, 500}}, {{50, 179.99}, 2000, 2000, {400, 400}},
        {{0, 0}, 500, 20000, {400, 400}},
    };
    for (const auto& c : cases) {
        const MapCamera view = regionCamera(c.centre, c.northSouth, c.eastWest, c.viewport);
        const double w = c.viewport.width(), h = c.viewport.height();
        const double across = haversineMeters(unproject(view.toWorld({0, h / 2})),
                                              unproject(view.toWorld({w, h / 2})));
        const double down = haversineMeters(unproject(view.toWorld({w / 2, 0})),
                                            unproject(view.toWorld({w / 2, h})));
        // All of the region is in view, and it fills the view in one direction.
        EXPECT_GE(across, c.eastWest * 0.995) << c.centre.latitude;
        EXPECT_GE(down, c.northSouth * 0.995) << c.centre.latitude;
        EXPECT_TRUE(std::abs(across / c.eastWest - 1) < 0.01 ||
                    std::abs(down / c.northSouth - 1) < 0.01)
            << c.centre.latitude << ": " << across << " x " << down;
        EXPECT_NEAR(unproject(view.centre).latitude, c.centre.latitude, 1e-6);
    }
    // 2 km on a 300-pixel-high view at the equator: 2000 / 300 metres a pixel.
    EXPECT_NEAR(regionCamera({0, 0}, 2000, 2000, {400, 300}).zoom,
                std::log2(mercator::earthCircumferenceMeters * 300 / (2000 * 256)), 1e-6);
}

} // namespace
