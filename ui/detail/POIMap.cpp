#include "ui/detail/POIMap.h"

#include "models/InputFile.h"
#include "models/QtText.h"
#include "rules/LibraryMessages.h"
#include "ui/detail/MarkerSample.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace marklode {

namespace {

constexpr double focusSpanMeters = 2000;
constexpr int captionInset = 8;

} // namespace

POIMap::POIMap(InputFile& file, const QLocale& locale, map::TileSource tiles, QWidget* parent)
    : QWidget(parent), file_(&file), locale_(locale) {
    setObjectName(QStringLiteral("poiMap"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    map_ = new map::MapView(std::move(tiles));
    layout->addWidget(map_);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("mapCaption"));
    QFont font = caption_->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    caption_->setFont(font);
    caption_->setStyleSheet(QStringLiteral(
        "QLabel { background: rgba(246, 246, 246, 215); color: #1d1d1f; border-radius: 6px; "
        "padding: 6px; }"));
    caption_->hide();

    connect(&file, &InputFile::rowsChanged, this, [this] { fitPending_ = true; });
    connect(map_, &map::MapView::pointSelected, this, [this](std::int64_t id) {
        // Recorded first, so that the selection coming back finds nothing to do and the map
        // stays where the user is looking.
        if (id == selectedID_)
            return;
        selectedID_ = id;
        Q_EMIT rowPicked(id);
    });
}

void POIMap::refresh(std::optional<std::int64_t> selection) {
    if (!file_)
        return;
    const std::vector<POIRow>& rows = file_->rows();
    std::vector<std::size_t> sample = markerSample(rows, selection);
    std::vector<std::int64_t> ids(sample.size());
    std::transform(sample.begin(), sample.end(), ids.begin(),
                   [&](std::size_t position) { return rows[position].id; });
    if (ids != shownIDs_) {
        std::vector<map::MapPoint> points;
        points.reserve(sample.size());
        for (std::size_t position : sample) {
            const POI& poi = rows[position].poi;
            points.push_back(map::MapPoint{rows[position].id,
                                           {poi.latitude, poi.longitude},
                                           fromUtf8(poi.name),
                                           poi.comment ? fromUtf8(*poi.comment) : QString()});
        }
        map_->setPoints(std::move(points));
        shownIDs_ = std::move(ids);
        // Only new rows move the map to show them all. A new selection changes the sample too
        // (its row takes the last marker's place), and must not throw the user's view away.
        if (fitPending_ && !shownIDs_.empty()) {
            map_->showAllPoints(false);
            fitPending_ = false;
        }
        // New markers start unselected; the one the user had keeps its colour, in place.
        if (selectedID_ && selection == selectedID_ &&
            std::find(shownIDs_.begin(), shownIDs_.end(), *selectedID_) != shownIDs_.end())
            map_->selectPoint(*selectedID_, false);
        showCaption();
    }
    if (selection == selectedID_)
        return;
    selectedID_ = selection;
    const std::vector<map::MapPoint>& points = map_->points();
    auto marker =
        selection ? std::find_if(points.begin(), points.end(),
                                 [&](const map::MapPoint& point) { return point.id == *selection; })
                  : points.end();
    if (marker == points.end()) {
        map_->clearSelection();
        return;
    }
    map_->setRegion(marker->coordinate, focusSpanMeters, focusSpanMeters, true);
    map_->selectPoint(marker->id, true);
}

void POIMap::showCaption() {
    std::size_t count = file_ ? file_->rows().size() : 0;
    caption_->setVisible(count > maxMapMarkers);
    if (count <= maxMapMarkers)
        return;
    caption_->setText(
        fromUtf8(mapSampleCaption(static_cast<std::int64_t>(maxMapMarkers),
                                  static_cast<std::int64_t>(count), countFormat(locale_))));
    caption_->setAccessibleName(caption_->text());
    placeCaption();
}

void POIMap::placeCaption() {
    caption_->adjustSize();
    caption_->move(captionInset, captionInset);
    caption_->raise();
}

void POIMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCaption();
}

} // namespace marklode
