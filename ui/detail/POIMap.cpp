#include "ui/detail/POIMap.h"

#include "models/InputFile.h"
#include "models/QtText.h"
#include "models/SettingsStore.h"
#include "rules/LibraryMessages.h"
#include "rules/LocaleRegion.h"
#include "ui/detail/MarkerSample.h"
#include "ui/detail/POITableModel.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace marklode {

namespace {

constexpr double focusSpanMeters = 2000;
constexpr int captionInset = 8;

} // namespace

bool mapUsesImperialUnits(const QLocale& locale) {
    if (locale == QLocale::system())
        return SettingsStore::usesImperialUnits(measurementLocaleName());
    return SettingsStore::usesImperialUnits(locale);
}

POIMap::POIMap(InputFile& file, const POITableModel& matches, const QLocale& locale,
               map::TileSource tiles, QWidget* parent)
    : QWidget(parent), file_(&file), matches_(&matches), locale_(locale) {
    setObjectName(QStringLiteral("poiMap"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    map_ = new map::MapView(std::move(tiles));
    map_->setLocale(locale);
    map_->setImperialUnits(mapUsesImperialUnits(locale));
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

    connect(map_, &map::MapView::pointSelected, this, [this](std::int64_t id) {
        // Recorded first, so that the selection coming back finds nothing to do and the map
        // stays where the user is looking.
        if (id == selectedID_)
            return;
        selectedID_ = id;
        Q_EMIT rowPicked(id);
    });
}

void POIMap::showAllOnNextRefresh(bool animated) {
    fitPending_ = true;
    fitAnimated_ = animated;
}

void POIMap::refresh(std::optional<std::int64_t> selection) {
    if (!file_ || !matches_)
        return;
    const POIStore& rows = file_->rows();
    std::optional<std::size_t> selectedMatch;
    if (std::optional<int> row = selection ? matches_->rowOfID(*selection) : std::nullopt)
        selectedMatch = static_cast<std::size_t>(*row);
    std::vector<std::size_t> sample = markerSample(matches_->positions(), selectedMatch);
    // A row's id is its position.
    std::vector<std::int64_t> ids(sample.begin(), sample.end());
    if (ids != shownIDs_) {
        std::vector<map::MapPoint> points;
        points.reserve(sample.size());
        for (std::size_t position : sample) {
            const POIView poi = rows[position];
            points.push_back(map::MapPoint{static_cast<std::int64_t>(position),
                                           {poi.latitude, poi.longitude},
                                           fromUtf8(poi.name),
                                           poi.comment ? fromUtf8(*poi.comment) : QString()});
        }
        map_->setPoints(std::move(points));
        shownIDs_ = std::move(ids);
        // Only new rows or a new search move the map to show them all. A new selection changes
        // the sample too (its row takes the last marker's place), and must not throw the user's
        // view away.
        if (fitPending_ && !shownIDs_.empty())
            map_->showAllPoints(fitAnimated_);
        // New markers start unselected; the one the user had keeps its colour, in place.
        if (selectedID_ && selection == selectedID_ &&
            std::find(shownIDs_.begin(), shownIDs_.end(), *selectedID_) != shownIDs_.end())
            map_->selectPoint(*selectedID_, false);
        showCaption();
    }
    // Spent on the first markers after it was asked for, whether they moved the map or not.
    if (!shownIDs_.empty())
        fitPending_ = false;
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
    std::size_t count = matches_ ? matches_->positions().size() : 0;
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
    // Clear of the map's buttons.
    const int room = std::max(map_->controlsRect().left() - 2 * captionInset, 40);
    // Measured on one line: a wrapping label's size hint is narrower than the room it has.
    caption_->setWordWrap(false);
    QSize size = caption_->sizeHint();
    if (size.width() > room) {
        caption_->setWordWrap(true);
        size = QSize(room, caption_->heightForWidth(room));
    }
    caption_->setGeometry(QRect(QPoint(captionInset, captionInset), size));
    caption_->raise();
}

void POIMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCaption();
}

} // namespace marklode
