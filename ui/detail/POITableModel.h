#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QPointer>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace marklode {

class InputFile;

// The file's rows matching the search, as the table shows them. Holds only the rows' positions
// and computes each cell when the view asks, so a million rows cost eight megabytes and no
// widgets.
class POITableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { name, comment, latitude, longitude, alert, columnCount_ };

    POITableModel(InputFile& file, const QLocale& locale, QObject* parent = nullptr);

    void setSearch(const QString& search);
    // The table row of the row id, when it matches the search.
    std::optional<int> rowOfID(std::int64_t id) const;
    std::int64_t idAt(int row) const;
    // The shown rows' positions in the file's rows, ascending.
    const std::vector<std::size_t>& positions() const { return positions_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void refilter();

    QPointer<InputFile> file_;
    QLocale locale_;
    std::string search_;
    std::vector<std::size_t> positions_;
};

} // namespace marklode
