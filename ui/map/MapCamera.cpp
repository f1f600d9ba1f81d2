#include "ui/map/MapCamera.h"

#include "ui/map/WebMercator.h"

#include <QHashFunctions>
#include <algorithm>
#include <cmath>
#include <limits>

namespace marklode::map {

WorldPoint project(Coordinate coordinate) {
    return {mercator::xOf(coordinate.longitude), mercator::yOf(coordinate.latitude)};
}

Coordinate unproject(WorldPoint point) {
    const double x = point.x - std::floor(point.x);
    return {mercator::latitudeOf(point.y), mercator::longitudeOf(x)};
}

std::size_t qHash(TileKey key, std::size_t seed) noexcept {
    return ::qHashMulti(seed, key.z, key.x, key.y);
}

double MapCamera::worldPixels() const {
    return mercator::tileSize * std::exp2(zoom);
}

QPointF MapCamera::toScreen(WorldPoint point) const {
    double dx = point.x - centre.x;
    dx -= std::floor(dx + 0.5);
    const double scale = worldPixels();
    return {viewport.width() / 2 + dx * scale,
            viewport.height() / 2 + (point.y - centre.y) * scale};
}

WorldPoint MapCamera::toWorld(QPointF screen) const {
    const double scale = worldPixels();
    return {centre.x + (screen.x() - viewport.width() / 2) / scale,
            centre.y + (screen.y() - viewport.height() / 2) / scale};
}

QRectF MapCamera::visibleWorld() const {
    const double scale = worldPixels();
    const double width = viewport.width() / scale, height = viewport.height() / scale;
    return {centre.x - width / 2, centre.y - height / 2, width, height};
}

MapCamera MapCamera::normalized() const {
    MapCamera out = *this;
    out.zoom = std::isfinite(zoom) ? std::clamp(zoom, minZoom, double(mercator::maxZoom)) : minZoom;
    if (!std::isfinite(out.centre.x) || !std::isfinite(out.centre.y))
        out.centre = {0.5, 0.5};
    out.centre.x -= std::floor(out.centre.x);
    const double halfHeight = out.viewport.height() / 2 / out.worldPixels();
    out.centre.y = halfHeight >= 0.5 ? 0.5 : std::clamp(out.centre.y, halfHeight, 1 - halfHeight);
    return out;
}

MapCamera MapCamera::zoomedAround(QPointF screen, double newZoom) const {
    const WorldPoint anchor = toWorld(screen);
    MapCamera out = *this;
    out.zoom = std::clamp(newZoom, minZoom, double(mercator::maxZoom));
    const double scale = out.worldPixels();
    out.centre = {anchor.x - (screen.x() - viewport.width() / 2) / scale,
                  anchor.y - (screen.y() - viewport.height() / 2) / scale};
    return out;
}

int tileZoomFor(double zoom, double devicePixelRatio) {
    const double wanted = zoom + std::log2(std::max(devicePixelRatio, 1.0));
    return std::clamp(static_cast<int>(std::floor(wanted + 0.5)), 0, mercator::maxZoom);
}

std::vector<TileCell> visibleTiles(const MapCamera& camera, int tileZoom) {
    const int n = 1 << tileZoom;
    const QRectF world = camera.visibleWorld();
    const double scale = camera.worldPixels();
    const double tilePixels = scale / n;
    const auto first = [n](double edge) { return static_cast<long long>(std::floor(edge * n)); };
    const auto last = [n](double edge) { return static_cast<long long>(std::ceil(edge * n)) - 1; };
    const long long y0 = std::max(0LL, first(world.top()));
    const long long y1 = std::min(static_cast<long long>(n) - 1, last(world.bottom()));
    std::vector<TileCell> cells;
    for (long long x = first(world.left()); x <= last(world.right()); ++x) {
        for (long long y = y0; y <= y1; ++y) {
            const TileKey key{tileZoom, static_cast<int>(((x % n) + n) % n), static_cast<int>(y)};
            const QRectF target(
                camera.viewport.width() / 2 + (double(x) / n - camera.centre.x) * scale,
                camera.viewport.height() / 2 + (double(y) / n - camera.centre.y) * scale,
                tilePixels, tilePixels);
            cells.push_back({key, target});
        }
    }
    const QPointF middle(camera.viewport.width() / 2, camera.viewport.height() / 2);
    std::stable_sort(cells.begin(), cells.end(), [&](const TileCell& a, const TileCell& b) {
        const QPointF da = a.target.center() - middle, db = b.target.center() - middle;
        return QPointF::dotProduct(da, da) < QPointF::dotProduct(db, db);
    });
    return cells;
}

std::optional<QRectF> boundingBox(const std::vector<WorldPoint>& points) {
    if (points.empty())
        return std::nullopt;
    std::vector<double> xs;
    xs.reserve(points.size());
    double top = points.front().y, bottom = top;
    for (const auto& point : points) {
        xs.push_back(point.x - std::floor(point.x));
        top = std::min(top, point.y);
        bottom = std::max(bottom, point.y);
    }
    std::sort(xs.begin(), xs.end());
    // The box leaves out the widest empty stretch of longitude.
    double widestGap = xs.front() + 1 - xs.back();
    double left = xs.front(), right = xs.back();
    for (std::size_t i = 1; i < xs.size(); ++i) {
        if (xs[i] - xs[i - 1] > widestGap) {
            widestGap = xs[i] - xs[i - 1];
            left = xs[i] - 1;
            right = xs[i - 1];
        }
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

double fitZoom(const QRectF& box, QSizeF viewport, double margin, double maxZoom) {
    const double width = std::max(viewport.width() - 2 * margin, 1.0);
    const double height = std::max(viewport.height() - 2 * margin, 1.0);
    const double infinity = std::numeric_limits<double>::infinity();
    const double byWidth =
        box.width() > 0 ? std::log2(width / (box.width() * mercator::tileSize)) : infinity;
    const double byHeight =
        box.height() > 0 ? std::log2(height / (box.height() * mercator::tileSize)) : infinity;
    return std::clamp(std::min({byWidth, byHeight, maxZoom}), MapCamera::minZoom, maxZoom);
}

MapCamera regionCamera(Coordinate centre, double latitudinalMeters, double longitudinalMeters,
                       QSizeF viewport) {
    const double latitude =
        std::clamp(centre.latitude, -mercator::maxLatitude, mercator::maxLatitude);
    const double metersPerDegree = mercator::earthCircumferenceMeters / 360;
    const double halfSpan = std::max(latitudinalMeters, 0.0) / metersPerDegree / 2;
    const double top = mercator::yOf(latitude + halfSpan);
    const double bottom = mercator::yOf(latitude - halfSpan);
    const double circleMeters =
        mercator::earthCircumferenceMeters * std::cos(latitude * std::numbers::pi / 180);
    const double width = std::min(std::max(longitudinalMeters, 0.0) / circleMeters, 1.0);
    MapCamera camera;
    camera.viewport = viewport;
    camera.centre = project({latitude, centre.longitude});
    camera.zoom = fitZoom(QRectF(0, top, width, bottom - top), viewport, 0, mercator::maxZoom);
    return camera.normalized();
}

QString tileUrl(const QString& urlTemplate, TileKey key) {
    QString url = urlTemplate;
    url.replace(QLatin1String("{z}"), QString::number(key.z));
    url.replace(QLatin1String("{x}"), QString::number(key.x));
    url.replace(QLatin1String("{y}"), QString::number(key.y));
    return url;
}

} // namespace marklode::map
