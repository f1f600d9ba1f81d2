#pragma once

#include "ui/map/ClusterIndex.h"
#include "ui/map/MapPoint.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

namespace marklode::map {

WorldPoint project(Coordinate coordinate);
Coordinate unproject(WorldPoint point);

// One XYZ tile; x is always inside [0, 2^z).
struct TileKey {
    int z = 0;
    int x = 0;
    int y = 0;
    bool operator==(const TileKey&) const = default;
};
std::size_t qHash(TileKey key, std::size_t seed = 0) noexcept;

// A tile and where it goes on screen, in logical pixels.
struct TileCell {
    TileKey key;
    QRectF target;
    bool operator==(const TileCell&) const = default;
};

// What the view shows: the world point at the viewport's centre and a fractional zoom at which
// the world is 256 * 2^zoom logical pixels wide. The world repeats east and west.
struct MapCamera {
    WorldPoint centre{0.5, 0.5};
    double zoom = 1;
    QSizeF viewport;

    static constexpr double minZoom = 0;

    double worldPixels() const;
    // The copy of the point nearest to the centre; other copies are a worldPixels() away.
    QPointF toScreen(WorldPoint point) const;
    WorldPoint toWorld(QPointF screen) const; // x not wrapped
    // The visible world, x possibly beyond [0, 1] where the view shows a neighbouring copy.
    QRectF visibleWorld() const;

    // Zoom within its limits, x wrapped into [0, 1), y kept off the poles where the view allows.
    MapCamera normalized() const;
    // Keeps the world point under the screen position while zooming to newZoom.
    MapCamera zoomedAround(QPointF screen, double newZoom) const;
    bool operator==(const MapCamera&) const = default;
};

// The tile zoom that draws at about one tile pixel per device pixel.
int tileZoomFor(double zoom, double devicePixelRatio);

// The tiles of zoom tileZoom that cover the viewport, nearest to the centre first.
std::vector<TileCell> visibleTiles(const MapCamera& camera, int tileZoom);

// The smallest world box holding the points, crossing the antimeridian when that is narrower
// (then left may be negative). Nullopt for no points.
std::optional<QRectF> boundingBox(const std::vector<WorldPoint>& points);

// The largest zoom at which the box fits inside the viewport less the margins, at most maxZoom.
double fitZoom(const QRectF& box, QSizeF viewport, double margin, double maxZoom);

// The camera whose view holds a region of the given ground size in metres around the centre.
MapCamera regionCamera(Coordinate centre, double latitudinalMeters, double longitudinalMeters,
                       QSizeF viewport);

QString tileUrl(const QString& urlTemplate, TileKey key);

} // namespace marklode::map
