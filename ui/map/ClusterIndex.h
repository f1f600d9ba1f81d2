#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace marklode::map {

// Web Mercator world coordinates: x and y in [0, 1], x eastwards from -180°, y southwards from
// the northern latitude limit.
struct WorldPoint {
    double x = 0;
    double y = 0;
    bool operator==(const WorldPoint&) const = default;
};

// Merges markers that would overlap on screen, once for every integer zoom, so that the map
// asks only for what it shows. Immutable after construction; const members are thread-safe.
class ClusterIndex {
  public:
    struct Options {
        int minZoom = 0;
        int maxZoom = 19;         // above it every point stands alone
        double radiusPixels = 40; // points closer than this on screen merge
        double tileSize = 256;    // world size in pixels at zoom 0
    };
    struct Node {
        WorldPoint position;          // count-weighted centre for a cluster
        std::uint32_t count = 1;      // input points beneath this node
        std::int64_t pointIndex = -1; // index into the input for a single point, else -1
        std::uint32_t id = 0;         // handle for children(), leaves(), expansionZoom()
        bool operator==(const Node&) const = default;
    };

    // Throws std::invalid_argument for options outside 0 <= minZoom <= maxZoom <= maxSupportedZoom,
    // a negative or non-finite radius or a tile size that is not positive. Points with a
    // non-finite coordinate have no place on the map and are left out of every node.
    ClusterIndex(std::span<const WorldPoint> points, Options options);
    // Default options; a separate constructor since Options is incomplete in its own class.
    explicit ClusterIndex(std::span<const WorldPoint> points);

    // Nodes at integer zoom z (clamped to [minZoom, maxZoom + 1]) whose position lies inside the
    // world rectangle; minX may be greater than maxX for a rectangle across the antimeridian.
    std::vector<Node> nodes(double minX, double minY, double maxX, double maxY, int zoom) const;

    // A node keeps its id at every zoom it appears at unchanged. The three below throw
    // std::out_of_range for an id this index did not hand out.
    std::vector<Node> children(std::uint32_t clusterId) const;      // one level down
    std::vector<std::size_t> leaves(std::uint32_t clusterId) const; // input indices, all levels
    int
    expansionZoom(std::uint32_t clusterId) const; // first zoom at which it splits; -1 for a point

    std::size_t size() const; // input points
    const Options& options() const { return options_; }

    static constexpr int maxSupportedZoom = 30;

  private:
    struct Point {
        double x;
        double y;
    };
    // A static k-d tree over one zoom's nodes: median splits down to buckets of a few points,
    // the points stored in tree order so that a search reads them in runs. A zoom where few
    // nodes merged keeps the tree of the zoom above: each cluster takes its seed's slot, the
    // other merged nodes leave theirs empty, and `slack` widens every split by how far a slot
    // may since have moved.
    struct Tree {
        std::vector<Point> points; // an empty slot has x = NaN, which no search matches
        std::vector<std::uint32_t> ids;
        std::vector<double> splits; // per inner node, in heap order from 1
        double slack = 0;
    };

    void buildLevels(std::span<const WorldPoint> points);
    const Tree& treeAt(int zoom) const;
    Node nodeOf(std::uint32_t id) const;
    void checkId(std::uint32_t id) const;

    Options options_;
    std::size_t inputSize_ = 0;
    std::uint32_t pointCount_ = 0; // ids below it are single points, the rest clusters

    // Per node id. A cluster's children are childIds_[childBegin_[c]..childBegin_[c + 1]),
    // c = id - pointCount_.
    std::vector<double> nodeX_;
    std::vector<double> nodeY_;
    std::vector<std::uint32_t> nodeCount_;
    std::vector<std::size_t> pointIndex_;   // per single point
    std::vector<std::uint32_t> childBegin_; // per cluster, plus one end
    std::vector<std::uint32_t> childIds_;
    std::vector<std::uint8_t> clusterZoom_; // per cluster: the zoom it formed at

    // trees_[treeOfZoom_[z - minZoom]]; a zoom at which nothing merged shares the tree above.
    std::vector<Tree> trees_;
    std::vector<std::size_t> treeOfZoom_;
};

} // namespace marklode::map
