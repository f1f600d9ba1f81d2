#include "ui/main/IssuesPopover.h"

#include "core/text/Translation.h"
#include "models/InputFile.h"
#include "models/QtText.h"
#include "rules/ImportedContents.h"
#include "ui/widgets/ShownText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace marklode {

namespace {

constexpr quintptr topLevel = 0;

// 'Invalid latitude "x".' without its value: "Invalid latitude."; other messages as they are.
std::string reasonKey(std::string_view message) {
    std::size_t open = message.find(" \"");
    if (message.size() >= 2 && message.substr(message.size() - 2) == "\"." &&
        open != std::string_view::npos && open + 1 < message.size() - 2)
        return std::string(message.substr(0, open)) + '.';
    return std::string(message);
}

// The reason of rows that quote different values, in the user's language: the translated
// template without its value, else the English reason without it.
std::string withoutValue(const ImportIssue& issue, const std::string& englishReason) {
    if (!issue.reason)
        return englishReason;
    std::string text = translate("ImportIssue", issue.reason);
    for (std::string_view value : {" %1", "%1"})
        if (std::size_t at = text.find(value); at != std::string::npos)
            return text.erase(at, value.size());
    return text;
}

} // namespace

SkippedRowsModel::SkippedRowsModel(std::shared_ptr<const ImportedContents> contents,
                                   const QLocale& locale, QObject* parent)
    : QAbstractItemModel(parent), contents_(std::move(contents)), locale_(locale) {
    const std::vector<ImportIssue>& all = issues();
    if (all.size() <= plainLimit)
        return;
    std::unordered_map<std::string, std::size_t> groupOf;
    std::vector<std::string> reasons;
    for (std::size_t i = 0; i < all.size(); ++i) {
        auto [found, added] = groupOf.try_emplace(reasonKey(all[i].message), groups_.size());
        if (added) {
            groups_.emplace_back();
            reasons.push_back(found->first);
        }
        Group& group = groups_[found->second];
        if (!group.issues.empty() && all[group.issues.front()].message != all[i].message)
            group.sameMessage = false;
        group.issues.push_back(static_cast<std::uint32_t>(i));
    }
    // Grouped only where that makes the list shorter.
    if (groups_.size() == all.size()) {
        groups_.clear();
        return;
    }
    grouped_ = true;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const ImportIssue& first = all[groups_[i].issues.front()];
        groups_[i].reason = fromUtf8(groups_[i].sameMessage ? first.translatedMessage()
                                                            : withoutValue(first, reasons[i]));
    }
    // The reason that took most rows first; equal ones in the order of their first line.
    std::stable_sort(groups_.begin(), groups_.end(), [](const Group& a, const Group& b) {
        return a.issues.size() > b.issues.size();
    });
}

const std::vector<ImportIssue>& SkippedRowsModel::issues() const {
    return contents_->issues;
}

QString SkippedRowsModel::copyText() const {
    QString text;
    for (const ImportIssue& issue : issues()) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += fromUtf8(issue.text());
    }
    return text;
}

QString SkippedRowsModel::reasonOf(const std::string& message) {
    return fromUtf8(reasonKey(message));
}

QString SkippedRowsModel::rowCountText(std::size_t count, const QLocale& locale) {
    //: How many rows were skipped for one reason, the number grouped as the locale groups it.
    return tr("%1 rows", nullptr, pluralCount(count))
        .arg(locale.toString(static_cast<qulonglong>(count)));
}

QString SkippedRowsModel::linesText(const std::vector<std::int64_t>& lines, std::size_t count,
                                    const QLocale& locale, ImportIssue::Place place) {
    auto line = [&](std::size_t i) {
        return i < lines.size() ? QString::number(lines[i]) : QString();
    };
    if (place == ImportIssue::Place::feature) {
        switch (count) {
        case 0:
            return {};
        case 1:
            return tr("feature %1").arg(line(0));
        case 2:
            //: The positions of two skipped features of a GeoJSON file.
            return tr("features %1 and %2").arg(line(0), line(1));
        case 3:
            return tr("features %1, %2 and %3").arg(line(0), line(1), line(2));
        default:
            return tr("features %1, %2, %3 and %4 more", nullptr, pluralCount(count - 3))
                .arg(line(0), line(1), line(2),
                     locale.toString(static_cast<qulonglong>(count - 3)));
        }
    }
    switch (count) {
    case 0:
        return {};
    case 1:
        return tr("line %1").arg(line(0));
    case 2:
        //: The lines of two skipped rows.
        return tr("lines %1 and %2").arg(line(0), line(1));
    case 3:
        return tr("lines %1, %2 and %3").arg(line(0), line(1), line(2));
    default:
        //: The first three lines of the skipped rows, then how many more there are.
        return tr("lines %1, %2, %3 and %4 more", nullptr, pluralCount(count - 3))
            .arg(line(0), line(1), line(2), locale.toString(static_cast<qulonglong>(count - 3)));
    }
}

QString SkippedRowsModel::groupText(const Group& group, bool spoken) const {
    std::vector<std::int64_t> lines;
    for (std::size_t i = 0; i < group.issues.size() && i < 3; ++i)
        lines.push_back(issues()[group.issues[i]].line);
    QString count = rowCountText(group.issues.size(), locale_);
    QString where =
        linesText(lines, group.issues.size(), locale_, issues()[group.issues.front()].place);
    if (spoken)
        //: A reason rows were skipped for, how many, and their lines, as a screen reader says
        //: it: "Missing name. 3 rows, lines 4, 9 and 12."
        return tr("%1 %2, %3.").arg(group.reason, count, where);
    //: Under a reason rows were skipped for: how many, and their lines: "3 rows · lines 4, 9
    //: and 12".
    return group.reason + QLatin1Char('\n') + tr("%1 \u00B7 %2").arg(count, where);
}

QModelIndex SkippedRowsModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, topLevel);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex SkippedRowsModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == topLevel)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, topLevel);
}

int SkippedRowsModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(grouped_ ? groups_.size() : issues().size());
    if (grouped_ && parent.internalId() == topLevel && parent.column() == 0)
        return static_cast<int>(groups_[static_cast<std::size_t>(parent.row())].issues.size());
    return 0;
}

int SkippedRowsModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant SkippedRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    auto row = static_cast<std::size_t>(index.row());
    if (grouped_ && index.internalId() == topLevel) {
        const Group& group = groups_[row];
        switch (role) {
        case Qt::DisplayRole:
            return groupText(group, false);
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return groupText(group, true);
        default:
            return {};
        }
    }
    const Group* group = grouped_ ? &groups_[index.internalId() - 1] : nullptr;
    const ImportIssue& issue = issues()[group ? group->issues[row] : row];
    switch (role) {
    case Qt::DisplayRole:
        // Beneath a reason that says it all, the line is enough.
        if (group && group->sameMessage)
            return issue.place == ImportIssue::Place::feature ? tr("Feature %1").arg(issue.line)
                                                              : tr("Line %1").arg(issue.line);
        return fromUtf8(issue.text());
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return fromUtf8(issue.text());
    default:
        return {};
    }
}

QVariant SkippedRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Skipped rows");
    return {};
}

IssuesPopover::IssuesPopover(const InputFile& file, const QLocale& locale, QWidget* opener)
    : Popover(tr("Skipped rows in %1").arg(shownFileName(file.url())), opener),
      model_(new SkippedRowsModel(file.exportSnapshot().contents, locale, this)),
      list_(new QTreeView), copy_(new QPushButton(tr("Copy"))) {
    setFixedSize(420, 300);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    auto* title = new QLabel(windowTitle());
    QFont headline = title->font();
    headline.setBold(true);
    title->setFont(headline);
    auto* hint =
        new QLabel(tr("These rows were not imported. Fix them in the file and add it again."));
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);

    list_->setObjectName(QStringLiteral("skippedRows"));
    list_->setAccessibleName(tr("Skipped rows"));
    list_->setModel(model_);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(model_->isGrouped());
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setMinimumHeight(160);
    // Where there are few, a screen reader starts at the first row rather than at nothing.
    list_->setCurrentIndex(model_->index(0, 0));

    copy_->setObjectName(QStringLiteral("copySkippedRows"));
    copy_->setToolTip(tr("Copy every skipped row with its line to the clipboard"));
    copy_->setAccessibleDescription(copy_->toolTip());
    copy_->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(model_->copyText()); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);

    layout->addWidget(title);
    layout->addWidget(hint);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

} // namespace marklode
