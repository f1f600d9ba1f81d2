#include "ui/detail/POITable.h"

#include "ui/detail/POITableModel.h"

#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <algorithm>
#include <tuple>

namespace marklode {

namespace {

// Wide enough for the text in the column's font, with the margins a cell and the header's sort
// arrow take.
int fittingWidth(QTableView* table, int column, const QFont& font, const QString& widest) {
    int margin =
        2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    int text = QFontMetrics(font).horizontalAdvance(widest) + margin + 4;
    return std::max(text, table->horizontalHeader()->sectionSizeHint(column));
}

} // namespace

POITable::POITable(InputFile& file, const QLocale& locale, QWidget* parent)
    : QTableView(parent), model_(new POITableModel(file, locale, this)),
      copy_(new QAction(tr("Copy"), this)), selectAll_(new QAction(tr("Select All"), this)) {
    setObjectName(QStringLiteral("poiTable"));
    setAccessibleName(tr("POIs"));
    setModel(model_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
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
    // Its sections are never shown selected, yet it would ask the table's selection about every
    // selected row for each section it paints: a tenth of a second with a million selected.
    header->setSelectionModel(new QItemSelectionModel(model_, header));
    // The file's own order until a column is clicked; the third click on it gives it back.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    setSortingEnabled(true);
    header->setSectionResizeMode(POITableModel::name, QHeaderView::Stretch);
    header->setSectionResizeMode(POITableModel::comment, QHeaderView::Stretch);
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const auto& [column, cellFont, widest] :
         {std::tuple{POITableModel::latitude, digits, QStringLiteral("-90.00000")},
          std::tuple{POITableModel::longitude, digits, QStringLiteral("-180.00000")},
          std::tuple{POITableModel::alert, font(), QStringLiteral("130 km/h, 1000 m")}}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, fittingWidth(this, column, cellFont, widest));
    }
    // Details start at the width of a typical value; the user may widen them.
    for (const auto& [column, typical] :
         {std::pair{POITableModel::category, QStringLiteral("Fuel stations")},
          std::pair{POITableModel::street, QStringLiteral("1234 Long Street")},
          std::pair{POITableModel::city, QStringLiteral("San Francisco")},
          std::pair{POITableModel::region, QStringLiteral("California")},
          std::pair{POITableModel::postalCode, QStringLiteral("SW1A 1AA")},
          std::pair{POITableModel::country, QStringLiteral("Switzerland")},
          std::pair{POITableModel::phone, QStringLiteral("+41 44 123 45 67")}})
        header->resizeSection(column, fittingWidth(this, column, font(), typical));
    showColumns();
    connect(model_, &POITableModel::shownColumnsChanged, this, &POITable::showColumns);

    copy_->setShortcut(QKeySequence::Copy);
    selectAll_->setShortcut(QKeySequence::SelectAll);
    for (QAction* action : {copy_, selectAll_}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        addAction(action);
    }
    copy_->setEnabled(false);
    connect(copy_, &QAction::triggered, this, [this] { copySelection(); });
    connect(selectAll_, &QAction::triggered, this, &QTableView::selectAll);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // The current row changes before the selection does, so the selection's change tells.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &POITable::reportSelection);
    // A new search, order or import keeps the selected rows selected that are still shown.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &POITable::rememberSelection);
    connect(model_, &QAbstractItemModel::modelReset, this, &POITable::restoreSelection);
    // A million names take a moment to sort.
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this] {
        QFuture<void> sorted = model_->whenSorted();
        if (sorted.isFinished())
            return;
        viewport()->setCursor(Qt::BusyCursor);
        background::whenFinished(sorted, this, [this] {
            if (model_->whenSorted().isFinished())
                viewport()->unsetCursor();
        });
    });
}

void POITable::showColumns() {
    bool showsDetails = false;
    for (int column = 0; column < POITableModel::columnCount_; ++column) {
        setColumnHidden(column, !model_->isShown(column));
        showsDetails =
            showsDetails || (column >= POITableModel::category && column <= POITableModel::phone &&
                             column != POITableModel::comment && model_->isShown(column));
    }
    QHeaderView* header = horizontalHeader();
    // Beside the details, name and comment sharing what is left would shrink to nothing: they
    // keep a readable width and the table scrolls sideways instead.
    auto nameMode = showsDetails ? QHeaderView::Interactive : QHeaderView::Stretch;
    if (header->sectionResizeMode(POITableModel::name) != nameMode) {
        for (const auto& [column, typical] :
             {std::pair{POITableModel::name, QStringLiteral("A fairly long place name")},
              std::pair{POITableModel::comment, QStringLiteral("A comment of a few more words")}}) {
            header->setSectionResizeMode(column, nameMode);
            if (showsDetails)
                header->resizeSection(column, fittingWidth(this, column, font(), typical));
        }
    }
    // A hidden column can't say how the rows are sorted: they go back to the file's order.
    if (int sorted = header->sortIndicatorSection(); sorted >= 0 && !model_->isShown(sorted))
        header->setSortIndicator(-1, Qt::AscendingOrder);
}

void POITable::setSearch(const QString& search) {
    model_->setSearch(search);
}

void POITable::setSelectedRow(std::optional<std::int64_t> id) {
    std::optional<int> row = id ? model_->rowOfID(*id) : std::nullopt;
    if (id == selected_ && (!id || (row && selectionModel()->isRowSelected(*row))))
        return;
    QScopedValueRollback guard(applying_, true);
    selected_ = id;
    if (!row) {
        clearSelection();
        return;
    }
    QModelIndex at = model_->index(*row, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
    scrollTo(at);
}

QFuture<void> POITable::copySelection() {
    if (!selectionModel()->hasSelection())
        return background::finished();
    std::uint64_t run = copies_.start();
    background::run(this, model_->csvOf(selectionModel()->selection()),
                    [this, run](background::Outcome<QString> text) {
                        // A later copy's text is what stays, whichever is made first.
                        if (!copies_.isNewest(run))
                            return;
                        if (text.value)
                            QGuiApplication::clipboard()->setText(*text.value);
                        copies_.settle();
                    });
    return copies_.settled();
}

void POITable::reportSelection() {
    // Also while a change of the model's is applied, which emits nothing else.
    copy_->setEnabled(selectionModel()->hasSelection());
    if (applying_)
        return;
    QModelIndex current = currentIndex();
    std::optional<std::int64_t> id;
    if (current.isValid() && selectionModel()->isRowSelected(current.row()))
        id = model_->idAt(current.row());
    if (id == selected_)
        return;
    selected_ = id;
    Q_EMIT selectedRowChanged(id);
}

void POITable::rememberSelection() {
    QItemSelection selection = selectionModel()->selection();
    // All rows in another order are all rows, without looking at each (Ctrl+A, then a sort).
    keptAll_ = model_->isReordering() && selection.size() == 1 && selection.front().top() == 0 &&
               selection.front().bottom() == model_->rowCount() - 1;
    kept_ = keptAll_ ? std::vector<char>() : model_->markedRows(selection);
}

void POITable::restoreSelection() {
    QScopedValueRollback guard(applying_, true);
    QItemSelection kept =
        keptAll_ && model_->rowCount() > 0
            ? QItemSelection(model_->index(0, 0),
                             model_->index(model_->rowCount() - 1, model_->columnCount() - 1))
            : model_->selectionOf(kept_);
    keptAll_ = false;
    kept_ = {};
    if (!kept.isEmpty())
        selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect);
    if (std::optional<int> row = selected_ ? model_->rowOfID(*selected_) : std::nullopt) {
        QModelIndex at = model_->index(*row, 0);
        selectionModel()->setCurrentIndex(at,
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        scrollTo(at);
    }
    copy_->setEnabled(selectionModel()->hasSelection());
}

} // namespace marklode
