#pragma once

#include "ui/map/MapView.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;

namespace marklode {

class InputFile;
class POITableModel;

// Whether the map's scale bar is in miles and feet: by the rule that sets the units of new
// files, from the locale's name in the environment for the system's own locale (Qt would guess
// a region for a bare language), from the locale's region for any other.
bool mapUsesImperialUnits(const QLocale& locale);

// The rows the table shows (those matching the search) on the map: a sample of at most
// maxMapMarkers markers, rebuilt only when the sampled row ids change, and the shared selection
// shown without echoing back.
class POIMap : public QWidget {
    Q_OBJECT
  public:
    // The table's model lives as long as the map.
    POIMap(InputFile& file, const POITableModel& matches, const QLocale& locale,
           map::TileSource tiles, QWidget* parent = nullptr);

    map::MapView* mapView() const { return map_; }
    QLabel* caption() const { return caption_; }
    const std::vector<std::int64_t>& shownIDs() const { return shownIDs_; }

    // Brings the markers and the selection up to date with the matching rows and the shared
    // selection.
    void refresh(std::optional<std::int64_t> selection);
    // The next refresh that changes the markers shows them all: after new rows or a new search.
    void showAllOnNextRefresh(bool animated);

  Q_SIGNALS:
    // A marker was picked on the map.
    void rowPicked(std::int64_t id);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showCaption();
    void placeCaption();

    QPointer<InputFile> file_;
    QPointer<const POITableModel> matches_;
    QLocale locale_;
    map::MapView* map_;
    QLabel* caption_;
    std::vector<std::int64_t> shownIDs_;
    std::optional<std::int64_t> selectedID_;
    bool fitPending_ = true;
    bool fitAnimated_ = false;
};

} // namespace marklode
