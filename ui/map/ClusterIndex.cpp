#include "ui/map/ClusterIndex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace marklode::map {

namespace {

// Small enough that scanning a whole bucket costs little, large enough that the inner nodes
// stay in the cache.
constexpr std::size_t bucketSize = 24;

// Each level of a tree adds at most one pending subtree to a search; 64 levels is far beyond
// any input that fits in memory.
constexpr std::size_t maxDepth = 64;

// What the build sorts: a node with what the tree keeps of it.
struct BuildEntry {
    double x;
    double y;
    std::uint32_t id;
    float clear;
};

// The subtree of heap node `node` holds [begin, end); its split at begin + (end - begin) / 2
// starts the right half.
struct Subtree {
    std::size_t begin;
    std::size_t end;
    std::size_t node;
    int axis;
};

std::size_t middleOf(const Subtree& t) {
    return t.begin + (t.end - t.begin) / 2;
}

Subtree leftOf(const Subtree& t) {
    return {t.begin, middleOf(t), 2 * t.node, 1 - t.axis};
}

Subtree rightOf(const Subtree& t) {
    return {middleOf(t), t.end, 2 * t.node + 1, 1 - t.axis};
}

std::size_t innerNodeSlots(std::size_t count) {
    // The right half is never the smaller one, so the deepest bucket lies at its end.
    std::size_t slots = 1;
    while (count > bucketSize) {
        count -= count / 2;
        slots *= 2;
    }
    return slots;
}

void partition(std::span<BuildEntry> entries, Subtree t, std::vector<double>& splits) {
    while (t.end - t.begin > bucketSize) {
        BuildEntry* first = entries.data() + t.begin;
        BuildEntry* middle = entries.data() + middleOf(t);
        BuildEntry* last = entries.data() + t.end;
        if (t.axis == 0) {
            std::nth_element(first, middle, last,
                             [](const BuildEntry& a, const BuildEntry& b) { return a.x < b.x; });
            splits[t.node] = middle->x;
        } else {
            std::nth_element(first, middle, last,
                             [](const BuildEntry& a, const BuildEntry& b) { return a.y < b.y; });
            splits[t.node] = middle->y;
        }
        partition(entries, leftOf(t), splits);
        t = rightOf(t);
    }
}

// Builds the tree over `entries` (reordering them) and fills `clear` in its order.
template <typename Tree> Tree buildTree(std::span<BuildEntry> entries, std::vector<float>& clear) {
    Tree tree;
    tree.splits.assign(innerNodeSlots(entries.size()), 0);
    partition(entries, {0, entries.size(), 1, 0}, tree.splits);
    tree.points.reserve(entries.size());
    tree.ids.reserve(entries.size());
    clear.clear();
    clear.reserve(entries.size());
    for (const BuildEntry& e : entries) {
        tree.points.push_back({e.x, e.y});
        tree.ids.push_back(e.id);
        clear.push_back(e.clear);
    }
    return tree;
}

// Calls visit(slot) for every point inside the closed rectangle.
template <typename Tree, typename Visit>
void queryRectangle(const Tree& tree, double minX, double minY, double maxX, double maxY,
                    Visit&& visit) {
    std::array<Subtree, maxDepth> pending;
    std::size_t depth = 0;
    pending[depth++] = {0, tree.points.size(), 1, 0};
    while (depth > 0) {
        Subtree t = pending[--depth];
        while (t.end - t.begin > bucketSize) {
            const double split = tree.splits[t.node];
            const double low = t.axis == 0 ? minX : minY;
            const double high = t.axis == 0 ? maxX : maxY;
            const bool left = low <= split + tree.slack;
            const bool right = high >= split - tree.slack;
            if (left && right) {
                pending[depth++] = rightOf(t);
            }
            if (!left && !right) {
                t.end = t.begin;
            } else {
                t = left ? leftOf(t) : rightOf(t);
            }
        }
        for (std::size_t i = t.begin; i < t.end; ++i) {
            const auto& p = tree.points[i];
            if (p.x >= minX && p.x <= maxX && p.y >= minY && p.y <= maxY) {
                visit(i);
            }
        }
    }
}

// Finds, for the point in one slot after another, the other points closer than a radius and
// the distance to the nearest other point. Slots are best asked in order: the search starts
// from the slot's own bucket and climbs, so that neighbouring slots share the way down.
template <typename Tree> class SearchAround {
  public:
    explicit SearchAround(const Tree& tree) : tree_(tree) {}

    // Calls near(slot) for every other point closer than the radius; returns the squared
    // distance to the nearest other point, or reach2 if none is closer than that.
    template <typename Near>
    double operator()(std::size_t self, double radius2, double reach2, Near&& near) {
        if (self < bucket_.begin || self >= bucket_.end) {
            descendTo(self);
        }
        seed_ = tree_.points[self];
        radius2_ = radius2;
        nearest2_ = reach2;
        scan(bucket_.begin, self, near);
        scan(self + 1, bucket_.end, near);
        // Every other bucket lies beyond a side of this one's cell.
        const double margin = std::min({seed_.x - cellLow_[0], cellHigh_[0] - seed_.x,
                                        seed_.y - cellLow_[1], cellHigh_[1] - seed_.y}) -
                              tree_.slack;
        if (margin > 0 && margin * margin >= std::max(nearest2_, radius2_)) {
            return nearest2_;
        }
        for (std::size_t level = depth_; level-- > 0;) {
            const Step& step = steps_[level];
            const double value = step.sibling.axis == 0 ? seed_.y : seed_.x;
            const double gap = step.siblingRight ? step.split - tree_.slack - value
                                                 : value - step.split - tree_.slack;
            const double bound2 = gap > 0 ? gap * gap : 0;
            if (bound2 < std::max(nearest2_, radius2_)) {
                visit(step.sibling, bound2, near);
            }
        }
        return nearest2_;
    }

  private:
    // One split on the way down to the current bucket, and the subtree on its other side.
    struct Step {
        Subtree sibling;
        double split;
        bool siblingRight;
    };

    void descendTo(std::size_t slot) {
        constexpr double infinity = std::numeric_limits<double>::infinity();
        cellLow_ = {-infinity, -infinity};
        cellHigh_ = {infinity, infinity};
        depth_ = 0;
        Subtree t{0, tree_.points.size(), 1, 0};
        while (t.end - t.begin > bucketSize) {
            const double split = tree_.splits[t.node];
            const auto axis = static_cast<std::size_t>(t.axis);
            const bool left = slot < middleOf(t);
            if (left) {
                cellHigh_[axis] = std::min(cellHigh_[axis], split);
            } else {
                cellLow_[axis] = std::max(cellLow_[axis], split);
            }
            steps_[depth_++] = {left ? rightOf(t) : leftOf(t), split, left};
            t = left ? leftOf(t) : rightOf(t);
        }
        bucket_ = t;
    }

    // bound2: no point of the subtree lies closer than this.
    template <typename Near> void visit(Subtree t, double bound2, Near& near) {
        while (bound2 < std::max(nearest2_, radius2_)) {
            if (t.end - t.begin <= bucketSize) {
                scan(t.begin, t.end, near);
                return;
            }
            const double split = tree_.splits[t.node];
            const double value = t.axis == 0 ? seed_.x : seed_.y;
            // The seed's side first: a near nearest point spares searching the other side.
            const bool leftFirst = value < split;
            visit(leftFirst ? leftOf(t) : rightOf(t), bound2, near);
            const double gap =
                leftFirst ? split - tree_.slack - value : value - split - tree_.slack;
            if (gap > 0) {
                bound2 = std::max(bound2, gap * gap);
            }
            t = leftFirst ? rightOf(t) : leftOf(t);
        }
    }

    template <typename Near> void scan(std::size_t begin, std::size_t end, Near& near) {
        for (std::size_t i = begin; i < end; ++i) {
            const double dx = tree_.points[i].x - seed_.x;
            const double dy = tree_.points[i].y - seed_.y;
            const double d2 = dx * dx + dy * dy;
            // Branch-free: the nearest point changes often; a point within the radius rarely.
            nearest2_ = d2 < nearest2_ ? d2 : nearest2_;
            if (d2 < radius2_) {
                near(i);
            }
        }
    }

    const Tree& tree_;
    std::array<Step, maxDepth> steps_{};
    std::size_t depth_ = 0;
    Subtree bucket_{0, 0, 1, 0};
    std::array<double, 2> cellLow_{};
    std::array<double, 2> cellHigh_{};
    decltype(Tree::points)::value_type seed_{};
    double radius2_ = 0;
    double nearest2_ = 0;
};

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
    std::vector<BuildEntry> entries;
    entries.reserve(points.size());
    pointIndex_.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const WorldPoint& p = points[i];
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            continue;
        }
        // Every cluster removes at least one node, so ids stay below twice the point count.
        if (entries.size() >= std::numeric_limits<std::uint32_t>::max() / 2) {
            throw std::length_error("too many points to cluster");
        }
        const auto id = static_cast<std::uint32_t>(entries.size());
        entries.push_back({p.x, p.y, id, 0});
        pointIndex_.push_back(i);
        nodeX_.push_back(p.x);
        nodeY_.push_back(p.y);
    }
    pointCount_ = static_cast<std::uint32_t>(entries.size());
    nodeCount_.assign(entries.size(), 1);
    childBegin_.push_back(0);

    const int levels = options_.maxZoom - options_.minZoom + 2;
    treeOfZoom_.assign(static_cast<std::size_t>(levels), 0);
    // Per slot of the tree above: no other node of its zoom lies closer than this (0: not
    // known). Lets isolated nodes skip their search at the next zooms.
    std::vector<float> clear;
    trees_.push_back(buildTree<Tree>(entries, clear));
    // The tree the current one was copied from, slot for slot, and its empty slots.
    std::size_t builtIndex = 0;
    std::size_t emptySlots = 0;

    std::vector<char> taken;
    std::vector<float> nextClear;
    std::vector<std::size_t> neighbours;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    std::size_t liveNodes = entries.size();
    // Where the zoom above merged almost nothing, a search goes on to the nearest node, which
    // spares most nodes their search over the next zooms; elsewhere that would mostly scan
    // nodes that merge at the next zoom anyway.
    bool sparse = true;
    for (int zoom = options_.maxZoom; zoom >= options_.minZoom; --zoom) {
        const std::size_t aboveIndex =
            treeOfZoom_[static_cast<std::size_t>(zoom + 1 - options_.minZoom)];
        const Tree& above = trees_[aboveIndex];
        const Tree& built = trees_[builtIndex];
        const std::size_t slots = above.points.size();
        const double radius = options_.radiusPixels / std::ldexp(options_.tileSize, zoom);
        const double radius2 = radius * radius;
        const double reach2 = sparse ? infinity : 9 * radius2;
        taken.assign(slots, 0);
        nextClear.resize(slots);
        // Copied at the first merge; until then this zoom shares the tree above.
        Tree level;
        bool merged = false;
        SearchAround search(above);
        double moved = 0; // how far a cluster lies from where its slot was built, per axis
        std::size_t removed = 0;
        for (std::size_t i = 0; i < slots; ++i) {
            if (taken[i]) {
                continue;
            }
            taken[i] = 1;
            // A new cluster lies within the radius of its seed, a node of the zoom above, so
            // an isolated node stays at least `clear - radius` from every node of this zoom.
            // Empty slots are infinitely clear.
            if (clear[i] >= radius) {
                nextClear[i] = lowerBound(clear[i] - radius);
                continue;
            }
            const Point seed = above.points[i];
            neighbours.clear();
            auto gather = [&](std::size_t j) {
                if (!taken[j]) {
                    neighbours.push_back(j);
                }
            };
            const double nearest2 = search(i, radius2, reach2, gather);
            if (neighbours.empty()) {
                nextClear[i] = lowerBound(std::sqrt(nearest2) - radius);
                continue;
            }
            if (!merged) {
                level = above;
                merged = true;
            }
            const std::uint32_t seedId = above.ids[i];
            std::uint32_t count = nodeCount_[seedId];
            double sumX = seed.x * count;
            double sumY = seed.y * count;
            childIds_.push_back(seedId);
            for (std::size_t j : neighbours) {
                taken[j] = 1;
                const Point child = above.points[j];
                const std::uint32_t childId = above.ids[j];
                const std::uint32_t childCount = nodeCount_[childId];
                count += childCount;
                sumX += child.x * childCount;
                sumY += child.y * childCount;
                childIds_.push_back(childId);
                level.points[j] = {nan, nan};
                nextClear[j] = static_cast<float>(infinity);
            }
            removed += neighbours.size();
            const auto id = static_cast<std::uint32_t>(nodeX_.size());
            const double x = sumX / count;
            const double y = sumY / count;
            childBegin_.push_back(static_cast<std::uint32_t>(childIds_.size()));
            nodeX_.push_back(x);
            nodeY_.push_back(y);
            nodeCount_.push_back(count);
            clusterZoom_.push_back(static_cast<std::uint8_t>(zoom));
            level.points[i] = {x, y};
            level.ids[i] = id;
            nextClear[i] = 0;
            moved =
                std::max({moved, std::abs(x - built.points[i].x), std::abs(y - built.points[i].y)});
        }
        sparse = removed * 500 < liveNodes;
        liveNodes -= removed;
        emptySlots += removed;
        const auto slot = static_cast<std::size_t>(zoom - options_.minZoom);
        if (!merged) {
            clear.swap(nextClear);
            treeOfZoom_[slot] = aboveIndex;
            continue;
        }
        if (emptySlots * 4 > slots) {
            // Enough slots stand empty that searches would mostly skip them: a tree of its own.
            entries.clear();
            for (std::size_t i = 0; i < slots; ++i) {
                if (!std::isnan(level.points[i].x)) {
                    entries.push_back(
                        {level.points[i].x, level.points[i].y, level.ids[i], nextClear[i]});
                }
            }
            level = buildTree<Tree>(entries, clear);
            builtIndex = trees_.size();
            emptySlots = 0;
        } else {
            level.slack = std::max(level.slack, moved);
            clear.swap(nextClear);
        }
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
    auto collect = [&](std::size_t i) { result.push_back(nodeOf(tree.ids[i])); };
    if (minX <= maxX) {
        queryRectangle(tree, minX, minY, maxX, maxY, collect);
    } else {
        // Across the antimeridian: the eastern part from minX, the western part up to maxX.
        constexpr double infinity = std::numeric_limits<double>::infinity();
        queryRectangle(tree, minX, minY, infinity, maxY, collect);
        queryRectangle(tree, -infinity, minY, maxX, maxY, collect);
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
