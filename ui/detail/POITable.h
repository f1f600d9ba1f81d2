#pragma once

#include <QTableView>
#include <cstdint>
#include <optional>

namespace marklode {

class InputFile;
class POITableModel;

// The table of the rows matching the search, single selection by row id.
class POITable : public QTableView {
    Q_OBJECT
  public:
    POITable(InputFile& file, const QLocale& locale, QWidget* parent = nullptr);

    POITableModel* rows() const { return model_; }
    void setSearch(const QString& search);
    // Selects and shows the row, or clears the selection; emits nothing.
    void setSelectedRow(std::optional<std::int64_t> id);

  Q_SIGNALS:
    // The user picked a row, or the selected row left the table.
    void selectedRowChanged(std::optional<std::int64_t> id);

  private:
    void reportSelection();

    POITableModel* model_;
    std::optional<std::int64_t> selected_;
    bool applying_ = false;
};

} // namespace marklode
