#include "ui/map/BasemapTiles.h"

#include "ui/map/Basemap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

namespace marklode::map {

namespace {

constexpr qsizetype cacheBytes = 48LL * 1024 * 1024;

// Not Qt's global pool: the painting that waits for these tiles borrows that pool's threads
// for its own fills and would wait behind them.
struct RenderPool : QThreadPool {
    RenderPool() { setMaxThreadCount(QThread::idealThreadCount()); }
};

Q_GLOBAL_STATIC(RenderPool, renderPool)

} // namespace

BasemapTiles::BasemapTiles() : cache_(cacheBytes) {}

BasemapTiles& BasemapTiles::shared() {
    // Lives as long as the application's objects; deleted with it rather than after it.
    static QPointer<BasemapTiles> tiles;
    if (!tiles) {
        tiles = new BasemapTiles;
        tiles->setParent(QCoreApplication::instance());
    }
    return *tiles;
}

const QImage* BasemapTiles::tile(TileKey key, double devicePixelRatio) {
    if (devicePixelRatio != ratio_) {
        cache_.clear();
        pending_.clear();
        ratio_ = devicePixelRatio;
        ++generation_;
    }
    if (const QImage* image = cache_.object(key))
        return image;
    if (pending_.contains(key))
        return nullptr;
    pending_.insert(key);
    QPointer<BasemapTiles> self(this);
    const int generation = generation_;
    renderPool()->start([self, key, devicePixelRatio, generation] {
        QImage image = Basemap::builtIn().renderTile(key, devicePixelRatio);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, key, generation, image = std::move(image)]() mutable {
                if (!self || generation != self->generation_)
                    return;
                self->pending_.remove(key);
                const qsizetype cost = image.sizeInBytes();
                self->cache_.insert(key, new QImage(std::move(image)), cost);
                Q_EMIT self->tileRendered();
            },
            Qt::QueuedConnection);
    });
    return nullptr;
}

} // namespace marklode::map
