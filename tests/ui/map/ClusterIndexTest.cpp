#include "ui/map/ClusterIndex.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

using namespace marklode::map;

namespace {

constexpr double wholeWorld[4] = {0, 0, 1, 1};

std::vector<ClusterIndex::Node> allNodes(const ClusterIndex& index, int zoom) {
    return index.nodes(wholeWorld[0], wholeWorld[1], wholeWorld[2], wholeWorld[3], zoom);
}

std::vector<std::size_t> sorted(std::vector<std::size_t> v) {
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<WorldPoint> uniform(std::size_t n, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<WorldPoint> points(n);
    for (WorldPoint& p : points) {
        p = {unit(random), unit(random)};
    }
    return points;
}

// Dense blobs, as markers of a few towns: merging then happens at many zooms.
std::vector<WorldPoint> blobs(std::size_t n, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.1, 0.9);
    std::vector<WorldPoint> centres(8);
    for (WorldPoint& c : centres) {
        c = {unit(random), unit(random)};
    }
    std::vector<WorldPoint> points(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::normal_distribution<double> spread(0, i % 3 == 0 ? 1e-2 : 1e-5);
        const WorldPoint& c = centres[i % centres.size()];
        points[i] = {c.x + spread(random), c.y + spread(random)};
    }
    return points;
}

// A lone point, and a little over twice the radius at zoom z away a pair that merges at z into a
// cluster within twice that radius of it: at z - 1 the lone point must look again.
std::vector<WorldPoint> pairsMergingTowardsLonePoints(unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_real_distribution<double> angle(0, 6.283185307179586);
    std::uniform_real_distribution<double> along(1.9, 1.99);
    std::vector<WorldPoint> points;
    for (int zoom = 3; zoom <= 18; ++zoom) {
        const double radius = 40 / std::ldexp(256.0, zoom);
        for (int k = 0; k < 40; ++k) {
            const WorldPoint lone{unit(random), unit(random)};
            const double a = angle(random);
            const double d = along(random) * radius;
            const double h = 0.45 * radius;
            const double ux = std::cos(a);
            const double uy = std::sin(a);
            points.push_back(lone);
            points.push_back({lone.x + d * ux - h * uy, lone.y + d * uy + h * ux});
            points.push_back({lone.x + d * ux + h * uy, lone.y + d * uy - h * ux});
        }
    }
    return points;
}

} // namespace

TEST(ClusterIndexTest, EveryPointInExactlyOneNodePerZoomAndClustersHoldTheirChildren) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<WorldPoint> withBadPoints = blobs(300, 7);
    withBadPoints[5] = {nan, 0.5};
    withBadPoints[77] = {0.5, std::numeric_limits<double>::infinity()};
    struct Case {
        std::string name;
        std::vector<WorldPoint> points;
        ClusterIndex::Options options;
    } cases[] = {
        {"uniform", uniform(2000, 1), {}},
        {"blobs", blobs(2000, 2), {}},
        {"blobs, zooms 3 to 12", blobs(1000, 3), {3, 12, 60, 512}},
        {"identical", std::vector<WorldPoint>(1000, WorldPoint{0.25, 0.75}), {}},
        {"non-finite points left out", withBadPoints, {}},
        {"empty", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ClusterIndex index(c.points, c.options);
        EXPECT_EQ(index.size(), c.points.size());
        std::vector<std::size_t> placeable;
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            if (std::isfinite(c.points[i].x) && std::isfinite(c.points[i].y)) {
                placeable.push_back(i);
            }
        }
        std::vector<std::set<std::uint32_t>> idsAt(std::size_t(c.options.maxZoom + 2));
        for (int zoom = c.options.minZoom; zoom <= c.options.maxZoom + 1; ++zoom) {
            for (const ClusterIndex::Node& n : allNodes(index, zoom)) {
                idsAt[std::size_t(zoom)].insert(n.id);
            }
        }
        for (int zoom = c.options.minZoom; zoom <= c.options.maxZoom + 1; ++zoom) {
            std::vector<std::size_t> seen;
            for (const ClusterIndex::Node& node : allNodes(index, zoom)) {
                const std::vector<std::size_t> leaves = index.leaves(node.id);
                ASSERT_EQ(leaves.size(), node.count) << "zoom " << zoom;
                seen.insert(seen.end(), leaves.begin(), leaves.end());
                if (node.pointIndex >= 0) {
                    ASSERT_EQ(leaves, std::vector<std::size_t>{std::size_t(node.pointIndex)});
                    ASSERT_EQ(node.position, c.points[std::size_t(node.pointIndex)]);
                    continue;
                }
                ASSERT_LE(zoom, c.options.maxZoom) << "above maxZoom every point stands alone";
                const std::vector<ClusterIndex::Node> children = index.children(node.id);
                ASSERT_GT(children.size(), 1u);
                std::vector<std::size_t> childLeaves;
                double x = 0;
                double y = 0;
                for (const ClusterIndex::Node& child : children) {
                    const std::vector<std::size_t> l = index.leaves(child.id);
                    childLeaves.insert(childLeaves.end(), l.begin(), l.end());
                    x += child.position.x * child.count;
                    y += child.position.y * child.count;
                }
                ASSERT_EQ(sorted(childLeaves), sorted(leaves));
                ASSERT_NEAR(x / node.count, node.position.x, 1e-12);
                ASSERT_NEAR(y / node.count, node.position.y, 1e-12);
                // It splits at its expansion zoom, into exactly its children.
                const int expansion = index.expansionZoom(node.id);
                ASSERT_GT(expansion, zoom);
                ASSERT_LE(expansion, c.options.maxZoom + 1);
                const std::set<std::uint32_t>& idsThere = idsAt[std::size_t(expansion)];
                ASSERT_FALSE(idsThere.contains(node.id));
                for (const ClusterIndex::Node& child : children) {
                    ASSERT_TRUE(idsThere.contains(child.id));
                }
            }
            ASSERT_EQ(sorted(seen), placeable) << "zoom " << zoom;
        }
    }
}

TEST(ClusterIndexTest, IdenticalPointsStayOneClusterUpToMaxZoom) {
    const std::vector<WorldPoint> points(1000, WorldPoint{0.5, 0.5});
    const ClusterIndex index(points, {0, 16, 40, 256});
    for (int zoom = 0; zoom <= 16; ++zoom) {
        const std::vector<ClusterIndex::Node> nodes = allNodes(index, zoom);
        ASSERT_EQ(nodes.size(), 1u) << "zoom " << zoom;
        EXPECT_EQ(nodes[0].count, 1000u);
        EXPECT_EQ(index.expansionZoom(nodes[0].id), 17);
    }
    EXPECT_EQ(allNodes(index, 17).size(), 1000u);
    EXPECT_EQ(allNodes(index, 40).size(), 1000u) << "zooms are clamped";
}

TEST(ClusterIndexTest, TwoPointsMergeOnlyWhenCloserThanTheRadiusOnScreen) {
    // At zoom z the world is 256 * 2^z pixels wide; the radius is 40 pixels.
    struct Case {
        double pixelsAtZoom10;
        bool diagonal;
    } cases[] = {{10, false}, {39, false}, {41, false}, {200, true}, {5000, true}, {30, true}};
    for (const Case& c : cases) {
        const double d = c.pixelsAtZoom10 / (256.0 * 1024);
        const double dx = c.diagonal ? d / std::sqrt(2.0) : d;
        const double dy = c.diagonal ? d / std::sqrt(2.0) : 0;
        const std::vector<WorldPoint> points{{0.4, 0.6}, {0.4 + dx, 0.6 + dy}};
        const ClusterIndex index(points);
        for (int zoom = 0; zoom <= 20; ++zoom) {
            const double pixels = c.pixelsAtZoom10 * std::ldexp(1.0, zoom - 10);
            const bool merged = allNodes(index, zoom).size() == 1;
            EXPECT_EQ(merged, pixels < 40) << c.pixelsAtZoom10 << " px at zoom " << zoom;
        }
    }
}

TEST(ClusterIndexTest, RectangleQueriesIncludingAcrossTheAntimeridian) {
    const std::vector<WorldPoint> points{{0.01, 0.5}, {0.5, 0.5}, {0.99, 0.5}, {0.99, 0.9}};
    const ClusterIndex index(points);
    struct Case {
        double minX, minY, maxX, maxY;
        std::vector<std::size_t> expected;
    } cases[] = {
        {0.9, 0.4, 0.1, 0.6, {0, 2}},       {0.9, 0.0, 0.1, 1.0, {0, 2, 3}},
        {0.995, 0.0, 0.005, 1.0, {}},       {0.4, 0.4, 0.6, 0.6, {1}},
        {0.0, 0.0, 1.0, 1.0, {0, 1, 2, 3}}, {0.5, 0.5, 0.5, 0.5, {1}},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> found;
        for (const ClusterIndex::Node& n : index.nodes(c.minX, c.minY, c.maxX, c.maxY, 20)) {
            found.push_back(std::size_t(n.pointIndex));
        }
        EXPECT_EQ(sorted(found), c.expected) << c.minX << " " << c.maxX;
    }
}

TEST(ClusterIndexTest, RejectsOptionsItCannotIndexAndIdsItDidNotHandOut) {
    const std::vector<WorldPoint> points = uniform(10, 4);
    const ClusterIndex::Options bad[] = {
        {-1, 19, 40, 256}, {5, 4, 40, 256}, {0, 31, 40, 256},
        {0, 19, -1, 256},  {0, 19, 40, 0},  {0, 19, std::numeric_limits<double>::infinity(), 256},
    };
    for (const ClusterIndex::Options& options : bad) {
        EXPECT_THROW(ClusterIndex(points, options), std::invalid_argument);
    }
    const ClusterIndex index(points);
    EXPECT_EQ(index.expansionZoom(0), -1) << "a single point never splits";
    EXPECT_THROW(index.children(1000), std::out_of_range);
    EXPECT_THROW(index.leaves(99), std::out_of_range);
}

// Greedy merging leaves no two nodes that a zoom carries over unchanged within the radius of
// each other: whichever was visited first would have taken the other. Catches searches that
// miss a node, whether the tree was built for the zoom or kept from the zoom above.
TEST(ClusterIndexTest, NodesCarriedOverUnchangedStayARadiusApart) {
    struct Case {
        std::string name;
        std::vector<WorldPoint> points;
        ClusterIndex::Options options;
    } cases[] = {
        {"uniform", uniform(20000, 5), {}},
        {"blobs", blobs(5000, 6), {}},
        {"wide radius, small tiles", uniform(5000, 8), {0, 24, 90, 64}},
        {"pairs merging towards lone points", pairsMergingTowardsLonePoints(9), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ClusterIndex index(c.points, c.options);
        std::vector<ClusterIndex::Node> above = allNodes(index, c.options.maxZoom + 1);
        for (int zoom = c.options.maxZoom; zoom >= c.options.minZoom; --zoom) {
            const std::vector<ClusterIndex::Node> level = allNodes(index, zoom);
            std::set<std::uint32_t> aboveIds;
            for (const ClusterIndex::Node& n : above) {
                aboveIds.insert(n.id);
            }
            std::vector<WorldPoint> carried;
            for (const ClusterIndex::Node& n : level) {
                if (aboveIds.contains(n.id)) {
                    carried.push_back(n.position);
                }
            }
            std::sort(carried.begin(), carried.end(),
                      [](const WorldPoint& a, const WorldPoint& b) { return a.x < b.x; });
            const double radius = c.options.radiusPixels / std::ldexp(c.options.tileSize, zoom);
            for (std::size_t i = 0; i < carried.size(); ++i) {
                for (std::size_t j = i + 1;
                     j < carried.size() && carried[j].x - carried[i].x < radius; ++j) {
                    const double dx = carried[j].x - carried[i].x;
                    const double dy = carried[j].y - carried[i].y;
                    ASSERT_GE(dx * dx + dy * dy, radius * radius)
                        << "zoom " << zoom << " at " << carried[i].x << " " << carried[i].y;
                }
            }
            above = level;
        }
    }
}
