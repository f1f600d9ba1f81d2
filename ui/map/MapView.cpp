#include "ui/map/MapView.h"

#include "ui/map/Basemap.h"
#include "ui/map/BasemapTiles.h"
#include "ui/map/MapControls.h"
#include "ui/map/MapOverlays.h"
#include "ui/map/TileLoader.h"
#include "ui/map/WebMercator.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace marklode::map {

namespace {

constexpr double fitMargin = 44;  // room for a marker standing on the box's edge
constexpr double maxFitZoom = 17; // a single point is shown in its street, not its doorway
constexpr int animationMs = 350;
constexpr double dragThreshold = 4;
constexpr double zoomPerWheelNotch = 0.5;
constexpr int maxAncestorSteps = 4; // beyond, a 256-pixel tile would be stretched past 4096
const QColor selectedColour(0xff, 0x3b, 0x30);
constexpr double longestScaleBar = 100; // logical pixels

// Clusters stop one level short of the deepest zoom, so that there every point can be clicked.
ClusterIndex::Options clusterOptions() {
    ClusterIndex::Options options;
    options.maxZoom = mercator::maxZoom - 1;
    options.radiusPixels = 40;
    options.tileSize = mercator::tileSize;
    return options;
}

bool finite(WorldPoint point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// Draws the cell's tile, or while it loads the nearest loaded one a few levels up, enlarged:
// blurred imagery rather than a flash at every zoom step. `loaded` gives a null image for a tile
// that isn't there.
template <typename Loaded>
bool paintNearestLoaded(QPainter& painter, const TileCell& cell, Loaded loaded) {
    for (int up = 0; up <= maxAncestorSteps && up <= cell.key.z; ++up) {
        const QImage tile = loaded(TileKey{cell.key.z - up, cell.key.x >> up, cell.key.y >> up});
        if (tile.isNull())
            continue;
        const double part = double(tile.width()) / (1 << up);
        const int mask = (1 << up) - 1;
        painter.drawImage(
            cell.target, tile,
            QRectF((cell.key.x & mask) * part, (cell.key.y & mask) * part, part, part));
        return true;
    }
    return false;
}

} // namespace

MapView::MapView(TileSource source, QWidget* parent)
    : QWidget(parent), tiles_(std::make_unique<TileLoader>(std::move(source))) {
    connect(&BasemapTiles::shared(), &BasemapTiles::tileRendered, this,
            qOverload<>(&QWidget::update));
    setAccessibleName(tr("Map"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
    camera_.viewport = size();

    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    animation_.setDuration(animationMs);
    animation_.setEasingCurve(QEasingCurve::OutCubic);
    connect(&animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { animationStep(value.toDouble()); });
    connect(&animation_, &QVariantAnimation::finished, this,
            [this] { setCamera(animationTarget_, true); });
    connect(tiles_.get(), &TileLoader::tileLoaded, this, [this] { update(); });

    attribution_ = makeTileAttribution(this);
    // Offline only the built-in outlines are drawn, and they need no credit.
    attribution_->setVisible(tiles_->source().online());
    controls_ = new MapControls(this);
    connect(controls_->zoomIn(), &QToolButton::clicked, this, [this] { zoomStep(1); });
    connect(controls_->zoomOut(), &QToolButton::clicked, this, [this] { zoomStep(-1); });
    connect(controls_->showAll(), &QToolButton::clicked, this, [this] { showAllPoints(true); });
    updateControls();
    markers_.setFont(font());
    scaleBars_.setFont(overlayFont(font()));
    layOutOverlays(*this, *attribution_, *controls_);
}

MapView::~MapView() = default;

QSize MapView::sizeHint() const {
    return {480, 320};
}

QSize MapView::minimumSizeHint() const {
    return {120, 100};
}

void MapView::setPoints(std::vector<MapPoint> points) {
    points_ = std::move(points);
    world_.clear();
    world_.reserve(points_.size());
    indexById_.clear();
    for (std::size_t i = 0; i < points_.size(); ++i) {
        world_.push_back(project(points_[i].coordinate));
        if (!indexById_.contains(points_[i].id))
            indexById_.insert(points_[i].id, i);
    }
    clusters_ = std::make_unique<ClusterIndex>(world_, clusterOptions());
    clearSelection();
    updateControls();
    update();
}

const MapPoint* MapView::pointById(std::int64_t id) const {
    const auto found = indexById_.constFind(id);
    return found == indexById_.cend() ? nullptr : &points_[*found];
}

void MapView::showPoints(const std::vector<std::int64_t>& ids, bool animated) {
    const QSet<std::int64_t> wanted(ids.begin(), ids.end());
    std::vector<WorldPoint> shown;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (wanted.contains(points_[i].id) && finite(world_[i]))
            shown.push_back(world_[i]);
    const auto box = boundingBox(shown);
    if (!box)
        return;
    frame(
        [this, box = *box] {
            MapCamera target = camera_;
            target.viewport = size();
            target.zoom = fitZoom(box, size(), fitMargin, maxFitZoom);
            target.centre = {box.center().x(), box.center().y()};
            return target;
        },
        animated);
}

void MapView::frame(std::function<MapCamera()> framing, bool animated) {
    framing_ = std::move(framing);
    moveTo(framing_(), animated);
}

void MapView::showAllPoints(bool animated) {
    std::vector<std::int64_t> ids;
    ids.reserve(points_.size());
    for (const auto& point : points_)
        ids.push_back(point.id);
    showPoints(ids, animated);
}

void MapView::setRegion(Coordinate centre, double latitudinalMeters, double longitudinalMeters,
                        bool animated) {
    if (!std::isfinite(centre.latitude) || !std::isfinite(centre.longitude))
        return;
    frame(
        [this, centre, latitudinalMeters, longitudinalMeters] {
            return regionCamera(centre, latitudinalMeters, longitudinalMeters, size());
        },
        animated);
}

void MapView::selectPoint(std::int64_t id, [[maybe_unused]] bool animated) {
    // Doesn't move the map: callers bring the point into view first (setRegion, possibly still
    // animating), and a move here would cut that short.
    if (!pointById(id)) {
        clearSelection();
        return;
    }
    setSelection(id);
}

void MapView::clearSelection() {
    setSelection(std::nullopt);
}

void MapView::setSelection(std::optional<std::int64_t> id) {
    if (id == selected_)
        return;
    const auto previous = selected_;
    selected_ = id;
    const MapPoint* point = id ? pointById(*id) : nullptr;
    setAccessibleDescription(point ? point->title : QString());
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    update();
    if (previous)
        Q_EMIT pointDeselected(*previous);
    if (id)
        Q_EMIT pointSelected(*id);
}

Coordinate MapView::centre() const {
    return unproject(camera_.centre);
}

bool MapView::isAnimating() const {
    return animation_.state() == QAbstractAnimation::Running;
}

void MapView::setCamera(const MapCamera& camera, bool settled) {
    MapCamera next = camera;
    next.viewport = size();
    camera_ = next.normalized();
    requestTiles();
    updateControls();
    update();
    if (settled)
        Q_EMIT regionChanged();
}

void MapView::moveTo(MapCamera target, bool animated) {
    animation_.stop();
    target.viewport = size();
    target = target.normalized();
    if (!animated) {
        setCamera(target, true);
        return;
    }
    animationStart_ = camera_;
    // The short way round, across the antimeridian if that is nearer.
    double dx = target.centre.x - animationStart_.centre.x;
    dx -= std::round(dx);
    target.centre.x = animationStart_.centre.x + dx;
    animationTarget_ = target;
    animation_.start();
}

void MapView::animationStep(double progress) {
    if (animation_.state() != QAbstractAnimation::Running)
        return;
    MapCamera camera = animationStart_;
    const auto mix = [progress](double a, double b) { return a + (b - a) * progress; };
    camera.zoom = mix(animationStart_.zoom, animationTarget_.zoom);
    camera.centre = {mix(animationStart_.centre.x, animationTarget_.centre.x),
                     mix(animationStart_.centre.y, animationTarget_.centre.y)};
    setCamera(camera, false);
}

void MapView::requestTiles() {
    if (!tiles_->source().online())
        return;
    const auto cells = visibleTiles(camera_, tileZoomFor(camera_.zoom, devicePixelRatioF()));
    std::vector<TileKey> keys;
    keys.reserve(cells.size());
    for (const auto& cell : cells)
        keys.push_back(cell.key);
    tiles_->setWanted(std::move(keys));
}

void MapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBase(painter);
    paintMarkers(painter);
    paintScaleBar(painter);
}

void MapView::paintBase(QPainter& painter) {
    const double ratio = devicePixelRatioF();
    BasemapTiles& outlines = BasemapTiles::shared();
    painter.fillRect(rect(), Basemap::seaColour());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool online = tiles_->source().online();
    for (const auto& cell : visibleTiles(camera_, tileZoomFor(camera_.zoom, ratio))) {
        if (online &&
            paintNearestLoaded(painter, cell, [&](TileKey key) { return tiles_->tile(key); }))
            continue;
        // Until the tile arrives, or for good when it can't. Asking for the cell's own outline
        // tile starts rendering it; the ones above are only taken when already there.
        paintNearestLoaded(painter, cell, [&](TileKey key) {
            const QImage* outline =
                key == cell.key ? outlines.tile(key, ratio) : outlines.rendered(key);
            return outline ? *outline : QImage();
        });
    }
}

std::vector<MapView::Marker> MapView::visibleMarkers() const {
    std::vector<Marker> out;
    if (!clusters_ || points_.empty())
        return out;
    const double scale = camera_.worldPixels();
    // Markers stand above their anchor: anchors below the bottom edge can still show.
    const QRectF world = camera_.visibleWorld().adjusted(
        -MarkerPainter::width / scale, 0, MarkerPainter::width / scale,
        MarkerPainter::height * MarkerPainter::selectedScale / scale);
    double minX = 0, maxX = 1;
    if (world.width() < 1) {
        minX = world.left() - std::floor(world.left());
        maxX = world.right() - std::floor(world.right());
    }
    const int zoom = std::clamp(static_cast<int>(std::floor(camera_.zoom)), 0, mercator::maxZoom);
    const QRectF screen = rect().toRectF().adjusted(-MarkerPainter::width, 0, MarkerPainter::width,
                                                    MarkerPainter::height * 2);
    for (const auto& node : clusters_->nodes(minX, std::max(world.top(), 0.0), maxX,
                                             std::min(world.bottom(), 1.0), zoom)) {
        if (node.count == 1 && node.pointIndex >= 0 && selected_ &&
            points_[static_cast<std::size_t>(node.pointIndex)].id == *selected_)
            continue; // drawn last, on top
        const QPointF nearest = camera_.toScreen(node.position);
        // A world narrower than the view shows the marker once per copy.
        const int copies = static_cast<int>(std::ceil(width() / scale)) + 1;
        for (int k = -copies; k <= copies; ++k) {
            const QPointF anchor = nearest + QPointF(k * scale, 0);
            if (screen.contains(anchor))
                out.push_back({anchor, node});
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Marker& a, const Marker& b) { return a.anchor.y() < b.anchor.y(); });
    return out;
}

std::optional<QPointF> MapView::pointPosition(std::int64_t id) const {
    const auto found = indexById_.constFind(id);
    if (found == indexById_.cend() || !finite(world_[*found]))
        return std::nullopt;
    return camera_.toScreen(world_[*found]);
}

void MapView::paintMarkers(QPainter& painter) {
    markers_.setDevicePixelRatio(devicePixelRatioF());
    const QColor accent = palette().color(QPalette::Highlight);
    const QLocale numbers = locale();
    for (const auto& marker : visibleMarkers()) {
        const QString glyph = marker.node.count > 1
                                  ? MarkerPainter::clusterLabel(marker.node.count, numbers)
                                  : QString();
        markers_.paintMarker(painter, marker.anchor, accent, glyph);
    }
    if (!selected_)
        return;
    const auto anchor = pointPosition(*selected_);
    if (!anchor)
        return;
    const MapPoint& point = *pointById(*selected_);
    markers_.paintMarker(painter, *anchor, selectedColour, QString(), true);
    // Inside the view, and only while its marker is in view.
    if (MarkerPainter::markerRect(*anchor, true).intersects(rect()))
        markers_.paintCallout(painter, *anchor, point.title, point.subtitle, rect());
}

std::optional<QRectF> MapView::calloutRect() const {
    const auto anchor = selected_ ? pointPosition(*selected_) : std::nullopt;
    if (!anchor || !MarkerPainter::markerRect(*anchor, true).intersects(rect()))
        return std::nullopt;
    const MapPoint& point = *pointById(*selected_);
    return markers_.callout(*anchor, point.title, point.subtitle, rect()).bubble;
}

void MapView::setImperialUnits(bool imperial) {
    if (imperial == imperial_)
        return;
    imperial_ = imperial;
    update();
}

ScaleBar MapView::scaleBar() const {
    return scaleBarFor(mercator::metersPerPixel(centre().latitude, camera_.zoom),
                       std::min(longestScaleBar, width() * 0.4), imperial_, locale());
}

QRectF MapView::scaleBarRect() const {
    const ScaleBar bar = scaleBar();
    return bar.length > 0 ? scaleBarPlace(*this, scaleBars_.size(bar), *attribution_) : QRectF();
}

void MapView::paintScaleBar(QPainter& painter) {
    const ScaleBar bar = scaleBar();
    if (bar.length > 0)
        scaleBars_.paint(painter, bar,
                         scaleBarPlace(*this, scaleBars_.size(bar), *attribution_).topLeft());
}

void MapView::click(QPointF position) {
    if (selected_) {
        if (const auto anchor = pointPosition(*selected_);
            anchor && MarkerPainter::markerRect(*anchor, true).contains(position))
            return;
    }
    const auto markers = visibleMarkers();
    for (auto it = markers.rbegin(); it != markers.rend(); ++it) {
        if (!MarkerPainter::markerRect(it->anchor).contains(position))
            continue;
        if (it->node.count > 1) {
            clearSelection();
            zoomToCluster(it->node);
        } else if (it->node.pointIndex >= 0) {
            setSelection(points_[static_cast<std::size_t>(it->node.pointIndex)].id);
        }
        return;
    }
    clearSelection();
}

void MapView::zoomToCluster(const ClusterIndex::Node& cluster) {
    std::vector<WorldPoint> members;
    for (const std::size_t index : clusters_->leaves(cluster.id))
        members.push_back(world_[index]);
    const auto box = boundingBox(members);
    if (!box)
        return;
    MapCamera target = camera_;
    // At least the zoom where the cluster splits, or the click would show the same cluster.
    const double fit = fitZoom(*box, size(), fitMargin, mercator::maxZoom);
    target.zoom = std::min(std::max(fit, double(clusters_->expansionZoom(cluster.id))),
                           double(mercator::maxZoom));
    target.centre = {box->center().x(), box->center().y()};
    framing_ = nullptr;
    moveTo(target, true);
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Until the user moves the map, what was framed stays framed: a view is often framed
    // before its layout has given it a size.
    if (framing_ && isAnimating()) {
        animationTarget_ = framing_();
        animationTarget_.viewport = size();
    } else if (framing_) {
        setCamera(framing_(), false);
    } else {
        setCamera(camera_, false);
    }
    layOutOverlays(*this, *attribution_, *controls_);
}

QRect MapView::controlsRect() const {
    return controls_->geometry();
}

void MapView::updateControls() {
    // Against the target of a running zoom, so that a button is disabled as it is pressed.
    const double zoom = isAnimating() ? animationTarget_.zoom : camera_.zoom;
    controls_->zoomIn()->setEnabled(zoom < mercator::maxZoom - 1e-9);
    controls_->zoomOut()->setEnabled(zoom > MapCamera::minZoom + 1e-9);
    controls_->showAll()->setEnabled(!points_.empty());
}

void MapView::zoomStep(int levels) {
    const MapCamera& base = isAnimating() ? animationTarget_ : camera_;
    // To the next whole level in that direction, around the middle of the view.
    const double zoom =
        levels > 0 ? std::floor(base.zoom + 1e-9) + levels : std::ceil(base.zoom - 1e-9) + levels;
    framing_ = nullptr;
    moveTo(base.zoomedAround(QPointF(width() / 2.0, height() / 2.0), zoom), true);
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (isAnimating()) {
        animation_.stop(); // the hand takes over where the animation got to
        Q_EMIT regionChanged();
    }
    pressed_ = true;
    dragging_ = false;
    pressPosition_ = event->position();
    pressCentre_ = camera_.centre;
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_)
        return QWidget::mouseMoveEvent(event);
    const QPointF delta = event->position() - pressPosition_;
    if (!dragging_ && delta.manhattanLength() < dragThreshold)
        return;
    if (!dragging_) {
        dragging_ = true;
        framing_ = nullptr;
        setCursor(Qt::ClosedHandCursor);
    }
    MapCamera camera = camera_;
    const double scale = camera.worldPixels();
    camera.centre = {pressCentre_.x - delta.x() / scale, pressCentre_.y - delta.y() / scale};
    setCamera(camera, false);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return QWidget::mouseReleaseEvent(event);
    pressed_ = false;
    if (dragging_) {
        dragging_ = false;
        setCursor(Qt::OpenHandCursor);
        Q_EMIT regionChanged();
    } else {
        click(event->position());
    }
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    framing_ = nullptr;
    moveTo(camera_.zoomedAround(event->position(), std::floor(camera_.zoom + 1e-9) + 1), true);
}

void MapView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0)
        return QWidget::wheelEvent(event);
    animation_.stop();
    framing_ = nullptr;
    setCamera(camera_.zoomedAround(event->position(), camera_.zoom + notches * zoomPerWheelNotch),
              true);
    event->accept();
}

void MapView::keyPressEvent(QKeyEvent* event) {
    // The keypad's keys arrive as the same keys, with the keypad modifier.
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + unshifted, on most layouts
    case Qt::Key_ZoomIn:
        zoomStep(1);
        return;
    case Qt::Key_Minus:
    case Qt::Key_ZoomOut:
        zoomStep(-1);
        return;
    case Qt::Key_0:
        showAllPoints(true);
        return;
    default:
        break;
    }
    const MapCamera& base = isAnimating() ? animationTarget_ : camera_;
    MapCamera target = base;
    const double scale = base.worldPixels();
    switch (event->key()) {
    case Qt::Key_Left:
        target.centre.x -= width() / 4.0 / scale;
        break;
    case Qt::Key_Right:
        target.centre.x += width() / 4.0 / scale;
        break;
    case Qt::Key_Up:
        target.centre.y -= height() / 4.0 / scale;
        break;
    case Qt::Key_Down:
        target.centre.y += height() / 4.0 / scale;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    framing_ = nullptr;
    moveTo(target, true);
}

void MapView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        markers_.setFont(font());
        scaleBars_.setFont(overlayFont(font()));
    }
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::LocaleChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace marklode::map
