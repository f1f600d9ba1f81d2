#include "ui/map/TileLoader.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>

namespace marklode::map {

namespace {
constexpr qint64 firstRetryMs = 1000;
constexpr qint64 longestRetryMs = 5 * 60 * 1000;
constexpr int transferTimeoutMs = 20000;

// The sizes the map draws tiles at. Anything else is no map tile, and a big one would push the
// others out of the memory cache, and itself with them, to be fetched again and again.
bool isTileSize(QSize size) {
    return size.width() == size.height() && (size.width() == 256 || size.width() == 512);
}
} // namespace

TileLoader::TileLoader(TileSource source, QObject* parent)
    : QObject(parent), source_(std::move(source)), images_(memoryCacheBytes) {
    if (!source_.cacheDirectory.isEmpty()) {
        auto* cache = new QNetworkDiskCache(&network_);
        cache->setCacheDirectory(source_.cacheDirectory);
        cache->setMaximumCacheSize(diskCacheBytes);
        network_.setCache(cache);
    }
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &TileLoader::startRequests);
    clock_.start();
}

TileLoader::~TileLoader() {
    // The replies outlive this object's members (they die with the network manager), so none
    // may call back into them.
    for (QNetworkReply* reply : std::as_const(inFlight_)) {
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
    }
}

QImage TileLoader::tile(TileKey key) const {
    const QImage* image = images_.object(key);
    return image ? *image : QImage();
}

void TileLoader::setWanted(std::vector<TileKey> keys) {
    if (!source_.online())
        return;
    std::vector<TileKey> unique;
    for (const auto& key : keys)
        if (std::find(unique.begin(), unique.end(), key) == unique.end())
            unique.push_back(key);
    wanted_ = std::move(unique);
    const auto stale = inFlight_;
    for (auto it = stale.begin(); it != stale.end(); ++it)
        if (std::find(wanted_.begin(), wanted_.end(), it.key()) == wanted_.end())
            it.value()->abort(); // finished() runs synchronously and forgets it
    startRequests();
}

void TileLoader::startRequests() {
    const qint64 now = clock_.elapsed();
    for (const auto& key : wanted_) {
        if (inFlight_.size() >= maxRequestsInFlight)
            break;
        if (inFlight_.contains(key) || images_.contains(key))
            continue;
        if (const auto failure = failures_.constFind(key);
            failure != failures_.cend() && (failure->final || failure->retryAtMs > now))
            continue;
        fetch(key, QUrl(tileUrl(source_.urlTemplate, key)), 0);
    }
    scheduleRetry();
}

void TileLoader::fetch(TileKey key, const QUrl& url, int redirects) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, source_.userAgent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    // Redirects are followed in finished(), which checks their number and scheme before a hop.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply* reply = network_.get(request);
    inFlight_.insert(key, reply);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, key, redirects] { finished(reply, key, redirects); });
    // The transfer timeout only notices silence; a body that never ends must be cut off.
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply, key](qint64 received, qint64 total) {
                if (std::max(received, total) > maxTileBytes)
                    giveUp(reply, key);
            });
}

void TileLoader::finished(QNetworkReply* reply, TileKey key, int redirects) {
    reply->deleteLater();
    if (inFlight_.value(key) != reply)
        return;
    inFlight_.remove(key);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant redirect = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        // Cancelled because the tile left the view: not the server's fault, ask again freely.
    } else if (reply->error() == QNetworkReply::NoError && redirect.isValid()) {
        // A loop, or a hop to another scheme, is a failed tile.
        const QUrl target = reply->url().resolved(redirect.toUrl());
        if (redirects < maxRedirects && target.scheme() == reply->url().scheme())
            fetch(key, target, redirects + 1);
        else
            recordFailure(key, status);
    } else if (reply->error() != QNetworkReply::NoError || (status != 0 && status != 200)) {
        recordFailure(key, status);
    } else {
        QBuffer body;
        body.setData(reply->readAll());
        QImageReader reader(&body); // reads the size from the header, before decoding
        QImage image;
        if (isTileSize(reader.size()) && reader.read(&image)) {
            image.convertTo(QImage::Format_ARGB32_Premultiplied);
            failures_.remove(key);
            const auto cost = std::max<qsizetype>(image.sizeInBytes(), 1);
            images_.insert(key, new QImage(std::move(image)), cost);
            Q_EMIT tileLoaded(key);
        } else {
            recordFailure(key, 0);
        }
    }
    startRequests();
}

// Aborting would read as a cancellation in finished(), but the tile failed and must back off.
void TileLoader::giveUp(QNetworkReply* reply, TileKey key) {
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
    inFlight_.remove(key);
    recordFailure(key, 0);
    startRequests();
}

void TileLoader::recordFailure(TileKey key, int httpStatus) {
    Failure& failure = failures_[key];
    ++failure.attempts;
    // The server's "no such tile" won't change; a busy or unreachable server may recover.
    failure.final = httpStatus == 404 || httpStatus == 410;
    const qint64 delay =
        std::min(longestRetryMs, firstRetryMs << std::min(failure.attempts - 1, 20));
    failure.retryAtMs = clock_.elapsed() + delay;
}

void TileLoader::scheduleRetry() {
    const qint64 now = clock_.elapsed();
    qint64 next = -1;
    for (const auto& key : wanted_) {
        const auto failure = failures_.constFind(key);
        if (failure == failures_.cend() || failure->final || inFlight_.contains(key))
            continue;
        if (failure->retryAtMs > now && (next < 0 || failure->retryAtMs < next))
            next = failure->retryAtMs;
    }
    if (next >= 0)
        retryTimer_.start(static_cast<int>(next - now));
    else
        retryTimer_.stop();
}

} // namespace marklode::map
