#include "ui/detail/POITable.h"

#include "ui/detail/POITableModel.h"

#include <QHeaderView>
#include <QScopedValueRollback>

namespace marklode {

POITable::POITable(InputFile& file, const QLocale& locale, QWidget* parent)
    : QTableView(parent), model_(new POITableModel(file, locale, this)) {
    setObjectName(QStringLiteral("poiTable"));
    setAccessibleName(QStringLiteral("POIs"));
    setModel(model_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Fixed heights let a million rows scroll without measuring any of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(POITableModel::name, QHeaderView::Stretch);
    header->setSectionResizeMode(POITableModel::comment, QHeaderView::Stretch);
    for (auto [column, width] :
         {std::pair{POITableModel::latitude, 90}, std::pair{POITableModel::longitude, 90},
          std::pair{POITableModel::alert, 120}}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, width);
    }
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &POITable::reportSelection);
    // A new filter keeps the selected row selected when it still matches.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { setSelectedRow(selected_); });
}

void POITable::setSearch(const QString& search) {
    model_->setSearch(search);
}

void POITable::setSelectedRow(std::optional<std::int64_t> id) {
    QScopedValueRollback guard(applying_, true);
    selected_ = id;
    std::optional<int> row = id ? model_->rowOfID(*id) : std::nullopt;
    if (!row) {
        clearSelection();
        return;
    }
    QModelIndex at = model_->index(*row, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
    scrollTo(at);
}

void POITable::reportSelection() {
    if (applying_)
        return;
    QModelIndexList rows = selectionModel()->selectedRows();
    std::optional<std::int64_t> id;
    if (!rows.isEmpty())
        id = model_->idAt(rows.first().row());
    if (id == selected_)
        return;
    selected_ = id;
    Q_EMIT selectedRowChanged(id);
}

} // namespace marklode
