#pragma once

#include "ui/map/MapCamera.h"

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>

namespace marklode::map {

// The built-in outlines as tiles, rendered on the thread pool and kept for every map of the
// process: a world tile takes far longer to draw than a frame may, and each new map view (one
// per selected file) would otherwise draw the same tiles again. Main thread only.
class BasemapTiles : public QObject {
    Q_OBJECT
  public:
    static BasemapTiles& shared();
    ~BasemapTiles() override;

    // The tile when it has been rendered for this pixel ratio; otherwise starts rendering it
    // (once) and returns null.
    const QImage* tile(TileKey key, double devicePixelRatio);
    // A tile already rendered for the current ratio, without starting anything.
    const QImage* rendered(TileKey key) const { return cache_.object(key); }
    bool isRendering() const { return !pending_.isEmpty(); }

  Q_SIGNALS:
    void tileRendered();

  private:
    BasemapTiles();

    // Not Qt's global pool: the painting that waits for these tiles borrows that pool's
    // threads for its own fills and would wait behind them.
    QThreadPool pool_;
    QCache<TileKey, QImage> cache_;
    QSet<TileKey> pending_;
    double ratio_ = 0;
    // Renders for an older ratio are dropped when they arrive.
    int generation_ = 0;
};

} // namespace marklode::map
