#include "ui/map/BasemapTiles.h"

#include "ui/map/Basemap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

namespace marklode::map {

namespace {

constexpr qsizetype cacheBytes = 48LL * 1024 * 1024;

} // namespace

BasemapTiles::BasemapTiles() : cache_(cacheBytes) {
    pool_.setMaxThreadCount(QThread::idealThreadCount());
}

BasemapTiles::~BasemapTiles() {
    // Renders read the outlines, which static destruction frees once the program ends.
    pool_.clear();
    pool_.waitForDone();
}

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
    const int generation = generation_;
    // The renders finish before this object goes (see the destructor), so it can take their
    // results; one that arrives after it went is dropped by Qt.
    pool_.start([this, key, devicePixelRatio, generation] {
        QImage image = Basemap::builtIn().renderTile(key, devicePixelRatio);
        QMetaObject::invokeMethod(
            this,
            [this, key, generation, image = std::move(image)]() mutable {
                if (generation != generation_)
                    return;
                pending_.remove(key);
                const qsizetype cost = image.sizeInBytes();
                cache_.insert(key, new QImage(std::move(image)), cost);
                Q_EMIT tileRendered();
            },
            Qt::QueuedConnection);
    });
    return nullptr;
}

} // namespace marklode::map
