#include "ui/detail/POITableModel.h"

#include "models/DetailsSummary.h"
#include "models/InputFile.h"
#include "models/NaturalOrder.h"
#include "models/QtText.h"
#include "rules/ProximityRule.h"
#include "ui/widgets/ShownText.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScopedValueRollback>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <iterator>
#include <limits>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace marklode {

namespace {

// The positions in the natural order of their texts; equal texts in the file's order.
template <typename Text>
std::vector<std::uint32_t> naturalOrder(const POIStore& rows, Text text, Qt::SortOrder order,
                                        const QLocale& locale) {
    // Each distinct text is ranked once...
    std::unordered_map<std::string_view, std::uint32_t> ids;
    ids.reserve(rows.size() / 4);
    std::vector<QString> distinct;
    std::vector<std::uint32_t> keys(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto [found, added] =
            ids.try_emplace(text(rows[i]), static_cast<std::uint32_t>(distinct.size()));
        if (added)
            distinct.push_back(fromUtf8(found->first));
        keys[i] = found->second;
    }
    ids = {};
    std::vector<std::uint32_t> ranks = naturalRanks(distinct, locale);
    // ...and the rows are counted into their ranks' places, which keeps equal ones in order.
    std::vector<std::uint32_t> starts(distinct.size() + 1, 0);
    for (std::uint32_t& key : keys) {
        key = order == Qt::AscendingOrder
                  ? ranks[key]
                  : static_cast<std::uint32_t>(distinct.size() - 1) - ranks[key];
        ++starts[key + 1];
    }
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<std::uint32_t> positions(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        positions[starts[keys[i]]++] = static_cast<std::uint32_t>(i);
    return positions;
}

// The positions sorted by their keys; equal keys in the file's order.
template <typename Key>
std::vector<std::uint32_t> sortedByKey(std::vector<std::pair<Key, std::uint32_t>> keyed,
                                       Qt::SortOrder order) {
    if (order == Qt::AscendingOrder)
        std::sort(keyed.begin(), keyed.end());
    else
        std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            return b.first < a.first || (!(a.first < b.first) && a.second < b.second);
        });
    std::vector<std::uint32_t> positions(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        positions[i] = keyed[i].second;
    return positions;
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvNumber(double value) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// The table's titles, and the names a CSV file's header gives the same fields.
const char* const titles[] = {
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Name"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Category"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Comment"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Street"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "City"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Region"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Postal Code"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Country"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Phone"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Latitude"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Longitude"),
    QT_TRANSLATE_NOOP("marklode::POITableModel", "Alert"),
};
static_assert(std::size(titles) == POITableModel::columnCount_);

std::uint32_t columnBit(int column) {
    return 1u << static_cast<unsigned>(column);
}

} // namespace

std::optional<POIField> detailField(POITableModel::Column column) {
    switch (column) {
    case POITableModel::category:
        return POIField::category;
    case POITableModel::street:
        return POIField::street;
    case POITableModel::city:
        return POIField::city;
    case POITableModel::region:
        return POIField::region;
    case POITableModel::postalCode:
        return POIField::postalCode;
    case POITableModel::country:
        return POIField::country;
    case POITableModel::phone:
        return POIField::phone;
    default:
        return std::nullopt;
    }
}

std::vector<std::uint32_t> sortedPositions(const POIStore& rows, POITableModel::Column column,
                                           Qt::SortOrder order, const ProximitySettings& proximity,
                                           const QLocale& locale) {
    auto keyed = [&](auto key) {
        using Key = decltype(key(rows.front()));
        std::vector<std::pair<Key, std::uint32_t>> pairs;
        pairs.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            pairs.emplace_back(key(rows[i]), static_cast<std::uint32_t>(i));
        return sortedByKey(std::move(pairs), order);
    };
    if (rows.empty())
        return {};
    if (std::optional<POIField> field = detailField(column))
        return naturalOrder(
            rows, [field = *field](const POIView& poi) { return detailText(poi, field); }, order,
            locale);
    switch (column) {
    case POITableModel::name:
        return naturalOrder(
            rows, [](const POIView& poi) { return poi.name; }, order, locale);
    case POITableModel::comment:
        return naturalOrder(
            rows, [](const POIView& poi) { return poi.comment.value_or(std::string_view()); },
            order, locale);
    case POITableModel::latitude:
        return keyed([](const POIView& poi) { return poi.latitude; });
    case POITableModel::longitude:
        return keyed([](const POIView& poi) { return poi.longitude; });
    case POITableModel::alert:
        // Without a speed or a distance below any: nullopt orders first.
        return keyed([&](const POIView& poi) {
            return std::pair{poi.speedKmh, effectivePOI(poi, proximity).proximityMeters};
        });
    default:
        break;
    }
    std::vector<std::uint32_t> positions(rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    return positions;
}

QString csvText(const POIStore& rows, const std::vector<std::size_t>& positions,
                const std::vector<POITableModel::Column>& columns,
                const ProximitySettings& proximity, SpeedUnit speedUnit,
                DistanceUnit distanceUnit) {
    auto field = [&](const POIView& poi, POITableModel::Column column) -> QString {
        if (std::optional<POIField> detail = detailField(column))
            return csvField(fromUtf8(detailText(poi, *detail)));
        switch (column) {
        case POITableModel::name:
            return csvField(fromUtf8(poi.name));
        case POITableModel::comment:
            return poi.comment ? csvField(fromUtf8(*poi.comment)) : QString();
        case POITableModel::latitude:
            return csvNumber(poi.latitude);
        case POITableModel::longitude:
            return csvNumber(poi.longitude);
        case POITableModel::alert:
            return csvField(
                InputFile::alertSummary(effectivePOI(poi, proximity), speedUnit, distanceUnit));
        default:
            return {};
        }
    };
    const QLatin1Char comma(',');
    QStringList header;
    for (POITableModel::Column column : columns)
        header << QString::fromLatin1(titles[column]);
    QString text = header.join(comma) + QLatin1Char('\n');
    text.reserve(static_cast<qsizetype>(positions.size() * (columns.size() * 12 + 16)) +
                 text.size());
    for (std::size_t position : positions) {
        const POIView poi = rows[position];
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += comma;
            text += field(poi, columns[i]);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

POITableModel::POITableModel(InputFile& file, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), file_(&file), locale_(locale) {
    connect(&file, &InputFile::rowsChanged, this, [this] {
        // The order was of the rows that were; the new ones show in the file's order until
        // theirs is ready.
        order_.reset();
        updateShownColumns();
        refilter();
        if (sortColumn_ >= 0)
            startSort();
    });
    // The proximity rule and the units change what the coordinates' neighbours show.
    for (auto signal : {&InputFile::proximityModeChanged, &InputFile::fixedProximityChanged,
                        &InputFile::distanceUnitChanged, &InputFile::speedUnitChanged})
        connect(&file, signal, this, [this, signal] {
            if (!positions_.empty())
                Q_EMIT dataChanged(index(0, alert), index(rowCount() - 1, alert));
            // The distances the rule gives can change their order; a unit alone cannot.
            if (sortColumn_ == alert && signal != &InputFile::speedUnitChanged)
                startSort();
        });
    // Whether the category shows follows the mode; no other column changes with it.
    connect(&file, &InputFile::categoryModeChanged, this, &POITableModel::updateShownColumns);
    updateShownColumns();
    refilter();
}

bool POITableModel::isShown(int column) const {
    return column >= 0 && column < columnCount_ && (shown_ & columnBit(column));
}

std::vector<POITableModel::Column> POITableModel::shownColumns() const {
    std::vector<Column> columns;
    for (int column = 0; column < columnCount_; ++column)
        if (isShown(column))
            columns.push_back(static_cast<Column>(column));
    return columns;
}

void POITableModel::updateShownColumns() {
    std::uint32_t shown = 0;
    for (int column = 0; column < columnCount_; ++column) {
        std::optional<POIField> field = detailField(static_cast<Column>(column));
        bool given = !field || (file_ && file_->details().gives(*field));
        if (column == category)
            given = given && file_ && file_->categoryMode() == CategoryMode::fromFile;
        if (given)
            shown |= columnBit(column);
    }
    if (shown == shown_)
        return;
    shown_ = shown;
    Q_EMIT shownColumnsChanged();
}

void POITableModel::setSearch(const QString& search) {
    std::string text = search.toStdString();
    if (text == search_)
        return;
    search_ = std::move(text);
    refilter();
}

void POITableModel::refilter() {
    showRows(file_ ? arranged(file_->filteredRows(search_)) : std::vector<std::size_t>{});
}

void POITableModel::showRows(std::vector<std::size_t> positions) {
    beginResetModel();
    positions_ = std::move(positions);
    endResetModel();
}

void POITableModel::reorder() {
    QScopedValueRollback guard(reordering_, true);
    showRows(arranged(positions_));
}

std::vector<std::size_t> POITableModel::arranged(std::vector<std::size_t> positions) const {
    std::size_t total = file_ ? file_->rows().size() : 0;
    const Order* order = order_ && order_->positions.size() == total ? order_.get() : nullptr;
    if (!order && std::is_sorted(positions.begin(), positions.end()))
        return positions;
    // A few rows are sorted; many are picked out of the whole order, in one pass over it.
    auto few =
        positions.size() * static_cast<std::size_t>(std::bit_width(positions.size())) < total;
    if (few) {
        if (order)
            std::sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
                return order->places[a] < order->places[b];
            });
        else
            std::sort(positions.begin(), positions.end());
        return positions;
    }
    std::vector<char> shown(total, 0);
    for (std::size_t position : positions)
        shown[position] = 1;
    positions.clear();
    if (order) {
        for (std::uint32_t position : order->positions)
            if (shown[position])
                positions.push_back(position);
    } else {
        for (std::size_t position = 0; position < total; ++position)
            if (shown[position])
                positions.push_back(position);
    }
    return positions;
}

void POITableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount_)
        column = -1;
    if (column == sortColumn_ && (column < 0 || order == sortOrder_))
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    startSort();
}

void POITableModel::startSort() {
    std::uint64_t run = sorts_.start();
    if (sortColumn_ < 0 || !file_) {
        order_.reset();
        reorder();
        sorts_.settle();
        return;
    }
    FileExport snapshot = file_->exportSnapshot();
    auto work = [contents = snapshot.contents, proximity = snapshot.proximity,
                 column = static_cast<Column>(sortColumn_), order = sortOrder_, locale = locale_] {
        auto sorted = std::make_shared<Order>();
        sorted->positions = sortedPositions(contents->pois, column, order, proximity, locale);
        sorted->places.resize(sorted->positions.size());
        for (std::size_t i = 0; i < sorted->positions.size(); ++i)
            sorted->places[sorted->positions[i]] = static_cast<std::uint32_t>(i);
        return std::shared_ptr<const Order>(std::move(sorted));
    };
    background::run(this, std::move(work),
                    [this, run](background::Outcome<std::shared_ptr<const Order>> outcome) {
                        if (!sorts_.isNewest(run))
                            return;
                        // Without an order (a failed allocation) the rows keep theirs.
                        if (outcome.value)
                            order_ = std::move(*outcome.value);
                        reorder();
                        sorts_.settle();
                    });
}

std::optional<int> POITableModel::rowOfID(std::int64_t id) const {
    if (!file_)
        return std::nullopt;
    // A row's id is its position.
    if (id < 0 || static_cast<std::uint64_t>(id) >= file_->rows().size())
        return std::nullopt;
    auto position = static_cast<std::size_t>(id);
    auto found = order_ ? std::find(positions_.begin(), positions_.end(), position)
                        : std::lower_bound(positions_.begin(), positions_.end(), position);
    if (found == positions_.end() || *found != position)
        return std::nullopt;
    return static_cast<int>(found - positions_.begin());
}

std::int64_t POITableModel::idAt(int row) const {
    return static_cast<std::int64_t>(positions_[static_cast<std::size_t>(row)]);
}

std::vector<char> POITableModel::markedRows(const QItemSelection& selection) const {
    std::vector<char> marked;
    for (const QItemSelectionRange& range : selection) {
        for (int row = std::max(range.top(), 0);
             row <= range.bottom() && row < static_cast<int>(positions_.size()); ++row) {
            std::size_t position = positions_[static_cast<std::size_t>(row)];
            if (position >= marked.size())
                marked.resize(std::max(position + 1, file_ ? file_->rows().size() : 0), 0);
            marked[position] = 1;
        }
    }
    return marked;
}

QItemSelection POITableModel::selectionOf(const std::vector<char>& marked) const {
    QItemSelection selection;
    if (marked.empty())
        return selection;
    auto isMarked = [&](std::size_t row) {
        return positions_[row] < marked.size() && marked[positions_[row]];
    };
    for (std::size_t row = 0; row < positions_.size();) {
        if (!isMarked(row)) {
            ++row;
            continue;
        }
        std::size_t end = row + 1;
        while (end < positions_.size() && isMarked(end))
            ++end;
        selection.append(QItemSelectionRange(index(static_cast<int>(row), 0),
                                             index(static_cast<int>(end - 1), columnCount_ - 1)));
        row = end;
    }
    return selection;
}

std::function<QString()> POITableModel::csvOf(const QItemSelection& selection) const {
    std::vector<char> rows(positions_.size(), 0);
    for (const QItemSelectionRange& range : selection)
        for (int row = std::max(range.top(), 0);
             row <= range.bottom() && row < static_cast<int>(positions_.size()); ++row)
            rows[static_cast<std::size_t>(row)] = 1;
    std::vector<std::size_t> positions;
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row])
            positions.push_back(positions_[row]);
    if (!file_)
        return [] { return QString(); };
    FileExport snapshot = file_->exportSnapshot();
    return [contents = snapshot.contents, proximity = snapshot.proximity,
            speedUnit = file_->speedUnit(), distanceUnit = file_->distanceUnit(),
            positions = std::move(positions), columns = shownColumns()] {
        return csvText(contents->pois, positions, columns, proximity, speedUnit, distanceUnit);
    };
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
    const std::size_t position = positions_[static_cast<std::size_t>(index.row())];
    const POIView poi = file_->rows()[position];
    bool coordinate = index.column() == latitude || index.column() == longitude;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (std::optional<POIField> field = detailField(static_cast<Column>(index.column())))
            return shownText(detailText(poi, *field));
        switch (index.column()) {
        case name:
            return shownText(poi.name);
        case comment:
            return poi.comment ? shownText(*poi.comment) : QString();
        case latitude:
            return locale_.toString(poi.latitude, 'f', 5);
        case longitude:
            return locale_.toString(poi.longitude, 'f', 5);
        case alert:
            return file_->alertSummary(file_->effectivePOI(position));
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
    if (orientation != Qt::Horizontal)
        return {};
    // A column clicked for the first time sorts A to Z and small to large, whatever the style.
    if (role == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder;
    if (role != Qt::DisplayRole)
        return {};
    return section >= 0 && section < columnCount_ ? tr(titles[section]) : QVariant();
}

} // namespace marklode
