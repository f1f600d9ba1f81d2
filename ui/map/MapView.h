#pragma once

#include "ui/map/ClusterIndex.h"
#include "ui/map/MapCamera.h"
#include "ui/map/MapPoint.h"
#include "ui/map/MarkerPainter.h"
#include "ui/map/ScaleBar.h"
#include "ui/map/TileSource.h"

#include <QCache>
#include <QHash>
#include <QVariantAnimation>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;

namespace marklode::map {

class MapControls;
class TileLoader;

// A slippy map of raster tiles over built-in outlines, with clustered markers for points.
// Markers are painted, not widgets; the clustering is built once per setPoints. Buttons zoom in
// and out and show all points (so do the keys +, = and -, and 0, with the map focused); a scale
// bar in the unit the caller chooses and, with tiles, their attribution stay in the corners.
class MapView : public QWidget {
    Q_OBJECT
  public:
    explicit MapView(TileSource source, QWidget* parent = nullptr);
    ~MapView() override;

    void setPoints(std::vector<MapPoint> points); // replaces all markers; clears the selection
    const std::vector<MapPoint>& points() const { return points_; }
    void showPoints(const std::vector<std::int64_t>& ids, bool animated); // fit them with a margin
    void showAllPoints(bool animated);
    // A region from a centre and two distances in metres (north-south, east-west), all of it
    // in view.
    void setRegion(Coordinate centre, double latitudinalMeters, double longitudinalMeters,
                   bool animated);
    // Red marker + callout; emits pointSelected. The map doesn't move. An id not on the map
    // clears the selection.
    void selectPoint(std::int64_t id, bool animated);
    void clearSelection(); // emits pointDeselected when one was selected
    std::optional<std::int64_t> selectedPoint() const { return selected_; }
    Coordinate centre() const;
    double zoom() const { return camera_.zoom; }
    bool isAnimating() const;

    // Where the point's marker tip is drawn now, in widget coordinates; nullopt for an unknown
    // id. For tests and for anchoring popups.
    std::optional<QPointF> pointPosition(std::int64_t id) const;
    // The cluster or point markers on screen now (a cluster's count > 1).
    struct Marker {
        QPointF anchor;
        ClusterIndex::Node node;
    };
    std::vector<Marker> visibleMarkers() const;
    const TileLoader* tileLoader() const { return tiles_.get(); }

    // The scale bar in miles and feet rather than kilometres and metres; the caller decides by
    // the user's region (this library knows no settings). Numbers are written in locale().
    void setImperialUnits(bool imperial);
    bool imperialUnits() const { return imperial_; }
    ScaleBar scaleBar() const;
    // Where the scale bar is drawn, in widget coordinates.
    QRectF scaleBarRect() const;
    // Where the selected point's callout is drawn; nullopt while its marker is out of view.
    std::optional<QRectF> calloutRect() const;

    MapControls* controls() const { return controls_; }
    QLabel* attribution() const { return attribution_; }
    // The area the buttons take, for what parents lay over the map.
    QRect controlsRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  Q_SIGNALS:
    void pointSelected(std::int64_t id); // a click on a point marker, or selectPoint()
    void pointDeselected(std::int64_t id);
    // After the visible region settled: at the end of an animation, or at once otherwise.
    void regionChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void zoomStep(int levels); // from the target of a running animation, around the middle
    void paintScaleBar(QPainter& painter);
    void updateControls();
    void setCamera(const MapCamera& camera, bool settled);
    void moveTo(MapCamera target, bool animated);
    // Moves to what the framing computes for the view's size, and again at each resize until
    // the user moves the map.
    void frame(std::function<MapCamera()> framing, bool animated);
    void animationStep(double progress);
    void requestTiles();
    void paintBase(QPainter& painter);
    void paintMarkers(QPainter& painter);
    void click(QPointF position);
    void zoomToCluster(const ClusterIndex::Node& cluster);
    void setSelection(std::optional<std::int64_t> id);
    const MapPoint* pointById(std::int64_t id) const;

    std::vector<MapPoint> points_;
    std::vector<WorldPoint> world_;
    QHash<std::int64_t, std::size_t> indexById_; // first point with each id
    std::unique_ptr<ClusterIndex> clusters_;
    std::optional<std::int64_t> selected_;

    MapCamera camera_;
    std::function<MapCamera()> framing_;
    MapCamera animationStart_;
    MapCamera animationTarget_;
    QVariantAnimation animation_;

    std::unique_ptr<TileLoader> tiles_;
    MarkerPainter markers_;
    QLabel* attribution_ = nullptr;
    MapControls* controls_ = nullptr;
    bool imperial_ = false;
    ScaleBarPainter scaleBars_;

    QPointF pressPosition_;
    WorldPoint pressCentre_;
    bool pressed_ = false;
    bool dragging_ = false;
};

} // namespace marklode::map
