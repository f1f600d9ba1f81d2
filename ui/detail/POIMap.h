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

// The file's rows on the map: a sample of at most maxMapMarkers markers, rebuilt only when the
// sampled row ids change, and the shared selection shown without echoing back.
class POIMap : public QWidget {
    Q_OBJECT
  public:
    POIMap(InputFile& file, const QLocale& locale, map::TileSource tiles,
           QWidget* parent = nullptr);

    map::MapView* mapView() const { return map_; }
    QLabel* caption() const { return caption_; }
    const std::vector<std::int64_t>& shownIDs() const { return shownIDs_; }

    // Brings the markers and the selection up to date with the file and the shared selection.
    void refresh(std::optional<std::int64_t> selection);

  Q_SIGNALS:
    // A marker was picked on the map.
    void rowPicked(std::int64_t id);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showCaption();
    void placeCaption();

    QPointer<InputFile> file_;
    QLocale locale_;
    map::MapView* map_;
    QLabel* caption_;
    std::vector<std::int64_t> shownIDs_;
    std::optional<std::int64_t> selectedID_;
    bool fitPending_ = true;
};

} // namespace marklode
