#include "ui/map/Basemap.h"

#include "ui/map/BasemapFormat.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <cstring>
#include <stdexcept>

namespace marklode::map {

namespace {

namespace format = basemap_format;

class Reader {
  public:
    explicit Reader(QByteArrayView data) : data_(data) {}
    std::uint8_t u8() {
        need(1);
        return static_cast<std::uint8_t>(data_[position_++]);
    }
    std::uint32_t u32() {
        need(4);
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= std::uint32_t(static_cast<std::uint8_t>(data_[position_++])) << (8 * i);
        return value;
    }
    std::int64_t varint() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t byte = u8();
            value |= std::uint64_t(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return static_cast<std::int64_t>(value >> 1) ^
                       -static_cast<std::int64_t>(value & 1);
        }
        throw std::runtime_error("basemap: overlong number");
    }
    qsizetype remaining() const { return data_.size() - position_; }

  private:
    void need(qsizetype bytes) const {
        if (remaining() < bytes)
            throw std::runtime_error("basemap: truncated");
    }
    QByteArrayView data_;
    qsizetype position_ = 0;
};

// Sutherland–Hodgman against one edge of the tile: painting then stays within the raster
// engine's coordinate range at any zoom, and fills only what the tile shows.
template <typename Inside, typename Cross>
QPolygonF clipEdge(const QPolygonF& ring, Inside inside, Cross cross) {
    QPolygonF out;
    if (ring.isEmpty())
        return out;
    QPointF previous = ring.back();
    for (const QPointF& point : ring) {
        if (inside(point)) {
            if (!inside(previous))
                out.append(cross(previous, point));
            out.append(point);
        } else if (inside(previous)) {
            out.append(cross(previous, point));
        }
        previous = point;
    }
    return out;
}

QPolygonF clipRing(QPolygonF ring, const QRectF& box) {
    const auto atX = [](QPointF a, QPointF b, double x) {
        return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
    };
    const auto atY = [](QPointF a, QPointF b, double y) {
        return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
    };
    const double left = box.left(), right = box.right(), top = box.top(), bottom = box.bottom();
    ring = clipEdge(
        ring, [&](QPointF p) { return p.x() >= left; },
        [&](QPointF a, QPointF b) { return atX(a, b, left); });
    ring = clipEdge(
        ring, [&](QPointF p) { return p.x() <= right; },
        [&](QPointF a, QPointF b) { return atX(a, b, right); });
    ring = clipEdge(
        ring, [&](QPointF p) { return p.y() >= top; },
        [&](QPointF a, QPointF b) { return atY(a, b, top); });
    return clipEdge(
        ring, [&](QPointF p) { return p.y() <= bottom; },
        [&](QPointF a, QPointF b) { return atY(a, b, bottom); });
}

// Liang–Barsky per segment; runs of kept segments stay one polyline.
std::vector<QPolygonF> clipLine(const QPolygonF& line, const QRectF& box) {
    std::vector<QPolygonF> out;
    QPolygonF current;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], b = line[i];
        double t0 = 0, t1 = 1;
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                             box.bottom() - a.y()};
        bool visible = true;
        for (int k = 0; k < 4 && visible; ++k) {
            if (p[k] == 0) {
                visible = q[k] >= 0;
            } else {
                const double t = q[k] / p[k];
                if (p[k] < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                visible = t0 <= t1;
            }
        }
        if (!visible) {
            if (current.size() > 1)
                out.push_back(current);
            current.clear();
            continue;
        }
        const QPointF start = a + QPointF(dx, dy) * t0, end = a + QPointF(dx, dy) * t1;
        if (current.isEmpty() || current.back() != start) {
            if (current.size() > 1)
                out.push_back(current);
            current = QPolygonF{start};
        }
        current.append(end);
    }
    if (current.size() > 1)
        out.push_back(current);
    return out;
}

constexpr int fineFromTileZoom = 3;
constexpr int bordersFromTileZoom = 2;

} // namespace

Basemap::Basemap(QByteArrayView data) {
    if (data.size() < 8 || std::memcmp(data.data(), format::magic, 4) != 0)
        throw std::runtime_error("basemap: not a basemap");
    Reader reader(data.sliced(4));
    if (reader.u32() != format::version)
        throw std::runtime_error("basemap: unknown version");
    const std::uint32_t layerCount = reader.u32();
    for (std::uint32_t l = 0; l < layerCount; ++l) {
        const auto id = static_cast<format::Layer>(reader.u8());
        Layer* layer = id == format::Layer::landCoarse ? &landCoarse_
                       : id == format::Layer::landFine ? &landFine_
                       : id == format::Layer::borders  ? &borders_
                                                       : nullptr;
        if (!layer)
            throw std::runtime_error("basemap: unknown layer");
        const std::uint32_t pathCount = reader.u32();
        for (std::uint32_t p = 0; p < pathCount; ++p) {
            const std::uint32_t pointCount = reader.u32();
            // Each point takes at least two bytes; refuses counts the data can't hold.
            if (pointCount > reader.remaining() / 2)
                throw std::runtime_error("basemap: truncated");
            QPolygonF points;
            points.reserve(pointCount);
            std::int64_t x = 0, y = 0;
            for (std::uint32_t i = 0; i < pointCount; ++i) {
                x += reader.varint();
                y += reader.varint();
                points.append({double(x) / format::quantization, double(y) / format::quantization});
            }
            const QRectF bounds = points.boundingRect();
            layer->paths.push_back({std::move(points), bounds});
        }
    }
}

const Basemap& Basemap::builtIn() {
    static const Basemap basemap = [] {
        QFile file(QStringLiteral(":/marklode/map/basemap.bin"));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("basemap: resource missing");
        return Basemap(file.readAll());
    }();
    return basemap;
}

QColor Basemap::seaColour() {
    return {0xaa, 0xd3, 0xdf};
}

QColor Basemap::landColour() {
    return {0xf2, 0xef, 0xe9};
}

QColor Basemap::borderColour() {
    return {0xb0, 0xa4, 0xb8};
}

std::size_t Basemap::pathCount() const {
    return landCoarse_.paths.size() + landFine_.paths.size() + borders_.paths.size();
}

void Basemap::paintTile(QPainter& painter, TileKey key, double pixelSize) const {
    const double n = double(1 << key.z);
    const QRectF world(key.x / n, key.y / n, 1 / n, 1 / n);
    // A pixel of slack keeps the clipped edges off the tile's border.
    const double slack = 2 / (n * pixelSize);
    const QRectF clip = world.adjusted(-slack, -slack, slack, slack);
    const double scale = pixelSize * n;
    const auto toTile = [&](QPolygonF polygon) {
        for (QPointF& point : polygon)
            point = (point - world.topLeft()) * scale;
        return polygon;
    };

    painter.fillRect(QRectF(0, 0, pixelSize, pixelSize), seaColour());
    QPainterPath land;
    land.setFillRule(Qt::OddEvenFill);
    const Layer& landLayer = key.z >= fineFromTileZoom ? landFine_ : landCoarse_;
    for (const auto& path : landLayer.paths) {
        if (!path.bounds.intersects(clip))
            continue;
        const QPolygonF clipped = clipRing(path.points, clip);
        if (clipped.size() >= 3)
            land.addPolygon(toTile(clipped));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(landColour());
    painter.drawPath(land);

    if (key.z < bordersFromTileZoom)
        return;
    QPen pen(borderColour(), key.z >= 5 ? 1.0 : 0.7);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const auto& path : borders_.paths) {
        if (!path.bounds.intersects(clip) &&
            !(path.bounds.width() == 0 || path.bounds.height() == 0))
            continue;
        for (const auto& piece : clipLine(path.points, clip))
            painter.drawPolyline(toTile(piece));
    }
}

QImage Basemap::renderTile(TileKey key, double devicePixelRatio) const {
    const int pixels = static_cast<int>(std::lround(256 * devicePixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    paintTile(painter, key, 256);
    return image;
}

} // namespace marklode::map
