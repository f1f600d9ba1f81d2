#pragma once

#include "models/BackgroundTask.h"

#include <QFuture>
#include <QTableView>
#include <cstdint>
#include <optional>
#include <vector>

class QAction;

namespace marklode {

class InputFile;
class POITableModel;

// The table of the rows matching the search, sorted by the column header clicked (again:
// the other way, a third time: the file's order). Rows are selected as in a file manager; the
// current row, while it is selected, is the one the map shows. Ctrl+C copies the selected rows
// as CSV text, Ctrl+A selects them all; both are in the context menu too.
class POITable : public QTableView {
    Q_OBJECT
  public:
    POITable(InputFile& file, const QLocale& locale, QWidget* parent = nullptr);

    POITableModel* rows() const { return model_; }
    void setSearch(const QString& search);
    // Selects and shows the row, or clears the selection; emits nothing. Nothing changes when
    // it is the row already shown, so the other selected rows stay.
    void setSelectedRow(std::optional<std::int64_t> id);

    QAction* copyAction() const { return copy_; }
    QAction* selectAllAction() const { return selectAll_; }
    // Puts the selected rows on the clipboard once their text is made (in the background);
    // the returned future finishes then.
    QFuture<void> copySelection();
    // Shows the columns the rows have values for and hides the others; again after a header
    // state is restored, which brings back those of another file.
    void showColumns();

  Q_SIGNALS:
    // The user picked a row, or the selected row left the table.
    void selectedRowChanged(std::optional<std::int64_t> id);

  private:
    void reportSelection();
    void rememberSelection();
    void restoreSelection();

    POITableModel* model_;
    QAction* copy_;
    QAction* selectAll_;
    std::optional<std::int64_t> selected_;
    // The selected rows across a reset of the model: all of them, or those marked.
    bool keptAll_ = false;
    std::vector<char> kept_;
    bool applying_ = false;
    background::NewestWins copies_;
};

} // namespace marklode
