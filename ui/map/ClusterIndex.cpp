#include "ui/map/ClusterIndex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace marklode::map {

namespace {

// Small leaves: at high zoom the search circle is far smaller than a leaf, so each query
// should scan as few entries as possible.
constexpr std::ptrdiff_t leafSize = 16;

template <typename Entry> void buildTree(Entry* first, Entry* last, int axis) {
    while (last - first > leafSize) {
        Entry* middle = first + (last - first) / 2;
        if (axis == 0) {
            std::nth_element(first, middle, last,
                             [](const Entry& a, const Entry& b) { return a.x < b.x; });
        } else {
            std::nth_element(first, middle, last,
                             [](const Entry& a, const Entry& b) { return a.y < b.y; });
        }
        buildTree(first, middle, 1 - axis);
        first = middle + 1;
        axis = 1 - axis;
    }
}

// Calls visit(position) for every entry inside the closed rectangle.
template <typename Entry, typename Visit>
void queryTree(const std::vector<Entry>& tree, double minX, double minY, double maxX, double maxY,
               Visit&& visit) {
    struct Range {
        std::size_t begin;
        std::size_t end;
        int axis;
    };
    // Each level of a balanced tree adds at most one pending range; 128 levels is far beyond
    // any input that fits in memory.
    std::array<Range, 128> stack;
    std::size_t depth = 0;
    stack[depth++] = {0, tree.size(), 0};
    auto inside = [&](const Entry& e) {
        return e.x >= minX && e.x <= maxX && e.y >= minY && e.y <= maxY;
    };
    while (depth > 0) {
        const Range range = stack[--depth];
        if (static_cast<std::ptrdiff_t>(range.end - range.begin) <= leafSize) {
            for (std::size_t i = range.begin; i < range.end; ++i) {
                if (inside(tree[i])) {
                    visit(i);
                }
            }
            continue;
        }
        const std::size_t middle = range.begin + (range.end - range.begin) / 2;
        const Entry& split = tree[middle];
        if (inside(split)) {
            visit(middle);
        }
        const double value = range.axis == 0 ? split.x : split.y;
        const double low = range.axis == 0 ? minX : minY;
        const double high = range.axis == 0 ? maxX : maxY;
        if (low <= value) {
            stack[depth++] = {range.begin, middle, 1 - range.axis};
        }
        if (high >= value) {
            stack[depth++] = {middle + 1, range.end, 1 - range.axis};
        }
    }
}

// How far, in radii, a node's search looks for the nearest other node: far where the level
// above merged almost nothing (a search that finds nothing then spares the next two zooms),
// near where nodes are dense and a far search would only scan more of them.
constexpr double sparseReach = 8;
constexpr double denseReach = 2;

// Rounded down, so that a clearance never claims more room than there is.
float lowerBound(double clear) {
    if (!(clear > 0)) {
        return 0;
    }
    auto rounded = static_cast<float>(clear * (1 - 1e-9));
    if (static_cast<double>(rounded) > clear) {
        rounded = std::nextafter(rounded, 0.0f);
    }
    return rounded;
}

void checkOptions(const ClusterIndex::Options& options) {
    if (options.minZoom < 0 || options.maxZoom < options.minZoom ||
        options.maxZoom > ClusterIndex::maxSupportedZoom) {
        throw std::invalid_argument("cluster zooms must satisfy 0 <= minZoom <= maxZoom <= " +
                                    std::to_string(ClusterIndex::maxSupportedZoom));
    }
    if (!std::isfinite(options.radiusPixels) || options.radiusPixels < 0) {
        throw std::invalid_argument("cluster radius must be finite and not negative");
    }
    if (!std::isfinite(options.tileSize) || options.tileSize <= 0) {
        throw std::invalid_argument("tile size must be finite and positive");
    }
}

} // namespace

ClusterIndex::ClusterIndex(std::span<const WorldPoint> points, Options options)
    : options_(options), inputSize_(points.size()) {
    checkOptions(options_);
    buildLevels(points);
}

ClusterIndex::ClusterIndex(std::span<const WorldPoint> points) : ClusterIndex(points, Options{}) {}

void ClusterIndex::buildLevels(std::span<const WorldPoint> points) {
    Tree top;
    top.reserve(points.size());
    pointIndex_.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const WorldPoint& p = points[i];
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            continue;
        }
        // Every cluster removes at least one node, so ids stay below twice the point count.
        if (top.size() >= std::numeric_limits<std::uint32_t>::max() / 2) {
            throw std::length_error("too many points to cluster");
        }
        const auto id = static_cast<std::uint32_t>(top.size());
        top.push_back({p.x, p.y, id, 0});
        pointIndex_.push_back(i);
    }
    pointCount_ = static_cast<std::uint32_t>(top.size());
    nodeX_.reserve(top.size());
    nodeY_.reserve(top.size());
    for (const Entry& e : top) {
        nodeX_.push_back(e.x);
        nodeY_.push_back(e.y);
    }
    nodeCount_.assign(top.size(), 1);
    childBegin_.push_back(0);

    const int levels = options_.maxZoom - options_.minZoom + 2;
    treeOfZoom_.assign(static_cast<std::size_t>(levels), 0);
    buildTree(top.data(), top.data() + top.size(), 0);
    trees_.push_back(std::move(top));
    treeOfZoom_.back() = 0;

    std::vector<char> taken;
    std::vector<std::size_t> neighbours;
    double searchReach = denseReach;
    for (int zoom = options_.maxZoom; zoom >= options_.minZoom; --zoom) {
        const std::size_t aboveIndex =
            treeOfZoom_[static_cast<std::size_t>(zoom + 1 - options_.minZoom)];
        const Tree& above = trees_[aboveIndex];
        const double radius = options_.radiusPixels / std::ldexp(options_.tileSize, zoom);
        const double radius2 = radius * radius;
        taken.assign(above.size(), 0);
        Tree level;
        level.reserve(above.size());
        bool merged = false;
        for (std::size_t i = 0; i < above.size(); ++i) {
            if (taken[i]) {
                continue;
            }
            taken[i] = 1;
            const Entry& seed = above[i];
            // A new cluster lies within the radius of its seed, a node of the level above, so
            // an isolated node stays at least `clear - radius` from every node of this level.
            if (seed.clear >= radius) {
                level.push_back({seed.x, seed.y, seed.id, lowerBound(seed.clear - radius)});
                continue;
            }
            // Searching farther than the radius costs little where nodes are sparse and tells
            // how many of the next zooms this node can skip its search.
            const double reach = searchReach * radius;
            double nearest2 = reach * reach;
            neighbours.clear();
            queryTree(above, seed.x - reach, seed.y - reach, seed.x + reach, seed.y + reach,
                      [&](std::size_t j) {
                          if (j == i) {
                              return;
                          }
                          const double dx = above[j].x - seed.x;
                          const double dy = above[j].y - seed.y;
                          const double d2 = dx * dx + dy * dy;
                          nearest2 = std::min(nearest2, d2);
                          if (d2 < radius2 && !taken[j]) {
                              neighbours.push_back(j);
                          }
                      });
            if (neighbours.empty()) {
                level.push_back(
                    {seed.x, seed.y, seed.id, lowerBound(std::sqrt(nearest2) - radius)});
                continue;
            }
            merged = true;
            const auto id = static_cast<std::uint32_t>(nodeX_.size());
            std::uint32_t count = nodeCount_[seed.id];
            double sumX = seed.x * count;
            double sumY = seed.y * count;
            childIds_.push_back(seed.id);
            for (std::size_t j : neighbours) {
                taken[j] = 1;
                const Entry& child = above[j];
                const std::uint32_t childCount = nodeCount_[child.id];
                count += childCount;
                sumX += child.x * childCount;
                sumY += child.y * childCount;
                childIds_.push_back(child.id);
            }
            childBegin_.push_back(static_cast<std::uint32_t>(childIds_.size()));
            const double x = sumX / count;
            const double y = sumY / count;
            nodeX_.push_back(x);
            nodeY_.push_back(y);
            nodeCount_.push_back(count);
            clusterZoom_.push_back(static_cast<std::uint8_t>(zoom));
            level.push_back({x, y, id, 0});
        }
        const auto slot = static_cast<std::size_t>(zoom - options_.minZoom);
        searchReach = (above.size() - level.size()) * 500 < above.size() ? sparseReach : denseReach;
        if (!merged) {
            // Same nodes in the same order: the tree stands, with the new clearances.
            trees_[aboveIndex] = std::move(level);
            treeOfZoom_[slot] = aboveIndex;
            continue;
        }
        buildTree(level.data(), level.data() + level.size(), 0);
        trees_.push_back(std::move(level));
        treeOfZoom_[slot] = trees_.size() - 1;
    }
}

const ClusterIndex::Tree& ClusterIndex::treeAt(int zoom) const {
    const int clamped = std::clamp(zoom, options_.minZoom, options_.maxZoom + 1);
    return trees_[treeOfZoom_[static_cast<std::size_t>(clamped - options_.minZoom)]];
}

ClusterIndex::Node ClusterIndex::nodeOf(std::uint32_t id) const {
    Node node;
    node.position = {nodeX_[id], nodeY_[id]};
    node.count = nodeCount_[id];
    node.pointIndex = id < pointCount_ ? static_cast<std::int64_t>(pointIndex_[id]) : -1;
    node.id = id;
    return node;
}

void ClusterIndex::checkId(std::uint32_t id) const {
    if (id >= nodeX_.size()) {
        throw std::out_of_range("no cluster node " + std::to_string(id));
    }
}

std::vector<ClusterIndex::Node> ClusterIndex::nodes(double minX, double minY, double maxX,
                                                    double maxY, int zoom) const {
    const Tree& tree = treeAt(zoom);
    std::vector<Node> result;
    auto collect = [&](std::size_t i) { result.push_back(nodeOf(tree[i].id)); };
    if (minX <= maxX) {
        queryTree(tree, minX, minY, maxX, maxY, collect);
    } else {
        // Across the antimeridian: the eastern part from minX, the western part up to maxX.
        constexpr double infinity = std::numeric_limits<double>::infinity();
        queryTree(tree, minX, minY, infinity, maxY, collect);
        queryTree(tree, -infinity, minY, maxX, maxY, collect);
    }
    return result;
}

std::vector<ClusterIndex::Node> ClusterIndex::children(std::uint32_t clusterId) const {
    checkId(clusterId);
    std::vector<Node> result;
    if (clusterId < pointCount_) {
        return result;
    }
    const std::uint32_t cluster = clusterId - pointCount_;
    for (std::uint32_t i = childBegin_[cluster]; i < childBegin_[cluster + 1]; ++i) {
        result.push_back(nodeOf(childIds_[i]));
    }
    return result;
}

std::vector<std::size_t> ClusterIndex::leaves(std::uint32_t clusterId) const {
    checkId(clusterId);
    std::vector<std::size_t> result;
    result.reserve(nodeCount_[clusterId]);
    std::vector<std::uint32_t> pending{clusterId};
    while (!pending.empty()) {
        const std::uint32_t id = pending.back();
        pending.pop_back();
        if (id < pointCount_) {
            result.push_back(pointIndex_[id]);
            continue;
        }
        const std::uint32_t cluster = id - pointCount_;
        pending.insert(pending.end(), childIds_.begin() + childBegin_[cluster],
                       childIds_.begin() + childBegin_[cluster + 1]);
    }
    return result;
}

int ClusterIndex::expansionZoom(std::uint32_t clusterId) const {
    checkId(clusterId);
    if (clusterId < pointCount_) {
        return -1;
    }
    return clusterZoom_[clusterId - pointCount_] + 1;
}

std::size_t ClusterIndex::size() const {
    return inputSize_;
}

} // namespace marklode::map
