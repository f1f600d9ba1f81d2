#pragma once

#include "core/import/ImportIssue.h"
#include "ui/widgets/Popover.h"

#include <QAbstractItemModel>
#include <QLocale>
#include <cstdint>
#include <memory>
#include <vector>

class QPushButton;
class QTreeView;

namespace marklode {

class InputFile;
struct ImportedContents;

// A file's skipped rows as the popover lists them: a line each while they are few; when there
// are more, each reason once, with how many rows it took and their lines, the rows beneath it.
class SkippedRowsModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    // More rows than this are grouped by their reasons.
    static constexpr std::size_t plainLimit = 7;

    struct Group {
        QString reason;
        std::vector<std::uint32_t> issues; // positions in the issues, by line
        bool sameMessage = true;           // every one of them says the reason as it is
    };

    SkippedRowsModel(std::shared_ptr<const ImportedContents> contents, const QLocale& locale,
                     QObject* parent = nullptr);

    bool isGrouped() const { return grouped_; }
    // By rows, most first; the same reason ignores the values the message quotes:
    // 'Invalid latitude "x".' and 'Invalid latitude "y".' are both "Invalid latitude.".
    const std::vector<Group>& groups() const { return groups_; }
    // Every skipped row as "Line N: reason", a line each.
    QString copyText() const;

    // "Invalid latitude." for 'Invalid latitude "x".'; other messages as they are.
    static QString reasonOf(const std::string& message);
    // "3 rows"
    static QString rowCountText(std::size_t count, const QLocale& locale);
    // "lines 3, 7, 12 and 997 more", or "features ..." for the features of a GeoJSON file
    static QString linesText(const std::vector<std::int64_t>& lines, std::size_t count,
                             const QLocale& locale,
                             ImportIssue::Place place = ImportIssue::Place::line);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Hidden, yet a screen reader reads it as the column's name.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const std::vector<ImportIssue>& issues() const;
    QString groupText(const Group& group, bool spoken) const;

    std::shared_ptr<const ImportedContents> contents_;
    QLocale locale_;
    bool grouped_ = false;
    std::vector<Group> groups_;
};

// "Skipped rows in NAME": the file's skipped rows with their lines and reasons, grouped by
// reason when there are many, and a button that copies them all; 420 × 300, in a popover below
// the row's issue button.
class IssuesPopover : public Popover {
    Q_OBJECT
  public:
    IssuesPopover(const InputFile& file, const QLocale& locale, QWidget* opener);

    QTreeView* list() const { return list_; }
    QPushButton* copyButton() const { return copy_; }
    SkippedRowsModel* rows() const { return model_; }

  private:
    SkippedRowsModel* model_;
    QTreeView* list_;
    QPushButton* copy_;
};

} // namespace marklode
