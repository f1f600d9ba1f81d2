#pragma once

#include "core/import/FieldNames.h"
#include "core/import/POIStore.h"
#include "core/import/SpeedUnit.h"
#include "models/BackgroundTask.h"
#include "rules/ProximityRule.h"

#include <QAbstractTableModel>
#include <QFuture>
#include <QItemSelection>
#include <QLocale>
#include <QPointer>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace marklode {

class InputFile;

// The file's rows matching the search, as the table shows them, in the file's order or sorted
// by a column. Holds only the rows' positions and computes each cell when the view asks, so a
// million rows cost eight megabytes and no widgets.
class POITableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        name,
        category,
        comment,
        street,
        city,
        region,
        postalCode,
        country,
        phone,
        latitude,
        longitude,
        alert,
        columnCount_
    };

    POITableModel(InputFile& file, const QLocale& locale, QObject* parent = nullptr);

    void setSearch(const QString& search);
    // The table row of the row id, when it matches the search.
    std::optional<int> rowOfID(std::int64_t id) const;
    std::int64_t idAt(int row) const;
    // The shown rows' positions in the file's rows, ascending.
    const std::vector<std::size_t>& positions() const { return positions_; }
    // The columns of details are shown only where a row has them, the category only when the
    // file is split by it; a copy holds the shown columns.
    bool isShown(int column) const;
    std::vector<Column> shownColumns() const;

    // Sorts by the column (-1: the file's order). The rows are put in order in the background
    // and the model is reset with them; until then it keeps the order it had.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    // Finishes once the rows are in the order last asked for; at once when they are.
    QFuture<void> whenSorted() const { return sorts_.settled(); }

    // While the model is reset to show the same rows in another order.
    bool isReordering() const { return reordering_; }
    // The file rows of the table rows in the selection, marked by position, to find them again
    // after a reset has changed their order, the search or the file.
    std::vector<char> markedRows(const QItemSelection& selection) const;
    // The table rows of the marked rows, as whole rows.
    QItemSelection selectionOf(const std::vector<char>& marked) const;
    // The selected rows in the table's order, with a header line, as CSV text of the shown
    // columns: the work to run off the main thread (a million rows take a while) on what the
    // file holds now.
    std::function<QString()> csvOf(const QItemSelection& selection) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  Q_SIGNALS:
    void shownColumnsChanged();

  private:
    // All rows' positions in a column's order, and each position's place in it.
    struct Order {
        std::vector<std::uint32_t> positions;
        std::vector<std::uint32_t> places;
    };

    void refilter();
    void startSort();
    // The positions, each once, in the table's order.
    std::vector<std::size_t> arranged(std::vector<std::size_t> positions) const;
    void showRows(std::vector<std::size_t> positions);
    void reorder();
    void updateShownColumns();

    QPointer<InputFile> file_;
    QLocale locale_;
    std::string search_;
    std::vector<std::size_t> positions_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    // The order of the sort column; null for the file's own order, and while it is being made.
    std::shared_ptr<const Order> order_;
    background::NewestWins sorts_;
    bool reordering_ = false;
    std::uint32_t shown_ = 0; // bits by column
};

// The POI field a column of details shows; none for the other columns.
std::optional<POIField> detailField(POITableModel::Column column);

// The positions of all rows in the column's order, rows with equal values in the file's order
// whichever way; texts in natural order, numbers by value, alerts by speed then distance (as
// the proximity rule has them), rows without one first. Runs off the main thread.
std::vector<std::uint32_t> sortedPositions(const POIStore& rows, POITableModel::Column column,
                                           Qt::SortOrder order, const ProximitySettings& proximity,
                                           const QLocale& locale);

// The rows as CSV text for a spreadsheet: a header line naming the columns as the CSV import
// reads them back, then a line per row; fields holding commas, quotes or line breaks quoted as
// RFC 4180 has them. Coordinates with a point and every digit they have.
QString csvText(const POIStore& rows, const std::vector<std::size_t>& positions,
                const std::vector<POITableModel::Column>& columns,
                const ProximitySettings& proximity, SpeedUnit speedUnit, DistanceUnit distanceUnit);

} // namespace marklode
