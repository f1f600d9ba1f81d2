#pragma once

#include "ui/map/MapCamera.h"

#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <vector>

class QPainter;

namespace marklode::map {

// The built-in land and country outlines, in world coordinates, drawn beneath the tiles and
// instead of them when there are none.
class Basemap {
  public:
    // Throws std::runtime_error when the data is not a basemap of this version.
    explicit Basemap(QByteArrayView data);
    // The one embedded in the library, decoded on first use.
    static const Basemap& builtIn();

    static QColor seaColour();
    static QColor landColour();
    static QColor borderColour();

    // Paints a tile's square of the world (coarse outlines at low zoom, fine ones above).
    void paintTile(QPainter& painter, TileKey key, double pixelSize) const;
    QImage renderTile(TileKey key, double devicePixelRatio) const;

    std::size_t pathCount() const;

  private:
    struct Path {
        QPolygonF points;
        QRectF bounds;
    };
    struct Layer {
        std::vector<Path> paths;
    };
    Layer landCoarse_;
    Layer landFine_;
    Layer borders_;
};

} // namespace marklode::map
