#pragma once

#include "ui/map/MapView.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace marklode {

class InputFile;
class POIMap;
class POITable;
class SettingsForm;

// The selected file in the detail column: its settings, its rows in a searchable table and on
// a map, the two sharing one selected row. Made afresh for each selected file, so search and
// selection start empty; owns nothing else.
class FileDetailView : public QWidget {
    Q_OBJECT
  public:
    FileDetailView(InputFile& file, const QLocale& locale, map::TileSource tiles,
                   QWidget* parent = nullptr);

    // The window's title and subtitle: the file name and "1,234 POIs".
    QString title() const;
    QString subtitle() const;

    const QString& search() const { return search_; }
    // Filters the table and the map.
    void setSearch(const QString& search);
    // The rows matching the search, of all the file's rows.
    std::size_t matchCount() const;
    std::size_t poiCount() const;
    std::optional<std::int64_t> selectedRow() const { return selectedRow_; }
    void setSelectedRow(std::optional<std::int64_t> id);

    // Null while the file can't be read and only the placeholder shows.
    SettingsForm* settingsForm() const { return form_; }
    POITable* table() const { return table_; }
    POIMap* map() const { return map_; }

  Q_SIGNALS:
    // The title, subtitle, or whether the file can be read (and searched) changed.
    void titleChanged();
    // matchCount or poiCount changed.
    void matchesChanged();

  private:
    void build();
    void buildPlaceholder();
    void buildContents();

    QPointer<InputFile> file_;
    QLocale locale_;
    map::TileSource tiles_;
    QString search_;
    std::optional<std::int64_t> selectedRow_;
    QWidget* content_ = nullptr;
    SettingsForm* form_ = nullptr;
    POITable* table_ = nullptr;
    POIMap* map_ = nullptr;
};

} // namespace marklode
