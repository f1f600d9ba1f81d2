#pragma once

#include "ui/map/MapCamera.h"
#include "ui/map/TileSource.h"

#include <QCache>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <vector>

class QNetworkReply;
class QUrl;

namespace marklode::map {

// Fetches the raster tiles the view shows and keeps them decoded. Polite to the tile server:
// only tiles asked for (no prefetching), a few requests at a time, the disk cache first, and a
// failing tile is retried later and later rather than at once.
class TileLoader : public QObject {
    Q_OBJECT
  public:
    static constexpr int maxRequestsInFlight = 4;
    // Enough to reach a tile that moved; a loop ends here.
    static constexpr int maxRedirects = 3;
    // Far above any real tile: a body past it is a server misbehaving, not a tile.
    static constexpr qint64 maxTileBytes = 4LL * 1024 * 1024;
    static constexpr qsizetype memoryCacheBytes = 96LL * 1024 * 1024;
    static constexpr qint64 diskCacheBytes = 256LL * 1024 * 1024;

    explicit TileLoader(TileSource source, QObject* parent = nullptr);
    ~TileLoader() override;

    const TileSource& source() const { return source_; }
    // The decoded tile; null while it loads, after a failure, or offline.
    QImage tile(TileKey key) const;
    // The tiles the view shows now, most important first. Requests for any others are
    // cancelled; these are fetched as slots free up.
    void setWanted(std::vector<TileKey> keys);
    int requestsInFlight() const { return static_cast<int>(inFlight_.size()); }

  Q_SIGNALS:
    void tileLoaded(marklode::map::TileKey key);

  private:
    struct Failure {
        int attempts = 0;
        qint64 retryAtMs = 0; // on clock_; never for a tile the server says doesn't exist
        bool final = false;
    };

    void startRequests();
    void fetch(TileKey key, const QUrl& url, int redirects);
    void finished(QNetworkReply* reply, TileKey key, int redirects);
    void giveUp(QNetworkReply* reply, TileKey key);
    void recordFailure(TileKey key, int httpStatus);
    void scheduleRetry();

    TileSource source_;
    QNetworkAccessManager network_;
    std::vector<TileKey> wanted_;
    QHash<TileKey, QNetworkReply*> inFlight_;
    QHash<TileKey, Failure> failures_;
    QCache<TileKey, QImage> images_;
    QTimer retryTimer_;
    QElapsedTimer clock_;
};

} // namespace marklode::map
