#include "ui/detail/POITableModel.h"

#include "models/InputFile.h"
#include "ui/widgets/ShownText.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace marklode {

POITableModel::POITableModel(InputFile& file, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), file_(&file), locale_(locale) {
    connect(&file, &InputFile::rowsChanged, this, &POITableModel::refilter);
    // The proximity rule and the units change what the coordinates' neighbours show.
    for (auto signal : {&InputFile::proximityModeChanged, &InputFile::fixedProximityChanged,
                        &InputFile::distanceUnitChanged, &InputFile::speedUnitChanged})
        connect(&file, signal, this, [this] {
            if (!positions_.empty())
                Q_EMIT dataChanged(index(0, alert), index(rowCount() - 1, alert));
        });
    refilter();
}

void POITableModel::setSearch(const QString& search) {
    std::string text = search.toStdString();
    if (text == search_)
        return;
    search_ = std::move(text);
    refilter();
}

void POITableModel::refilter() {
    beginResetModel();
    positions_ = file_ ? file_->filteredRows(search_) : std::vector<std::size_t>{};
    endResetModel();
}

std::optional<int> POITableModel::rowOfID(std::int64_t id) const {
    if (!file_)
        return std::nullopt;
    // Rows keep their import order, so ids rise with positions.
    const std::vector<POIRow>& rows = file_->rows();
    auto found = std::lower_bound(
        positions_.begin(), positions_.end(), id,
        [&](std::size_t position, std::int64_t wanted) { return rows[position].id < wanted; });
    if (found == positions_.end() || rows[*found].id != id)
        return std::nullopt;
    return static_cast<int>(found - positions_.begin());
}

std::int64_t POITableModel::idAt(int row) const {
    return file_->rows()[positions_[static_cast<std::size_t>(row)]].id;
}

int POITableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(positions_.size());
}

int POITableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant POITableModel::data(const QModelIndex& index, int role) const {
    if (!file_ || !index.isValid() || index.row() >= rowCount())
        return {};
    const POIRow& row = file_->rows()[positions_[static_cast<std::size_t>(index.row())]];
    bool coordinate = index.column() == latitude || index.column() == longitude;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case name:
            return shownText(row.poi.name);
        case comment:
            return row.poi.comment ? shownText(*row.poi.comment) : QString();
        case latitude:
            return locale_.toString(row.poi.latitude, 'f', 5);
        case longitude:
            return locale_.toString(row.poi.longitude, 'f', 5);
        case alert:
            return file_->alertSummary(file_->effectivePOI(row));
        }
        return {};
    case Qt::ForegroundRole:
        if (index.column() == comment)
            return QGuiApplication::palette().color(QPalette::PlaceholderText);
        return {};
    case Qt::FontRole:
        // Digits of equal width line the coordinates up.
        if (coordinate)
            return QFontDatabase::systemFont(QFontDatabase::FixedFont);
        return {};
    case Qt::TextAlignmentRole:
        if (coordinate)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant POITableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[] = {"Name", "Comment", "Latitude", "Longitude", "Alert"};
    return section >= 0 && section < columnCount_ ? QString::fromLatin1(titles[section])
                                                  : QVariant();
}

} // namespace marklode
