#include "ui/main/IssuesPopover.h"

#include "models/InputFile.h"
#include "models/QtText.h"
#include "ui/widgets/ShownText.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace marklode {

IssuesPopover::IssuesPopover(const InputFile& file, QWidget* opener)
    : Popover(QStringLiteral("Skipped rows in %1").arg(shownFileName(file.url())), opener) {
    setFixedSize(420, 300);
    QString name = shownFileName(file.url());

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    auto* title = new QLabel(QStringLiteral("Skipped rows in %1").arg(name));
    QFont headline = title->font();
    headline.setBold(true);
    title->setFont(headline);
    auto* hint = new QLabel(
        QStringLiteral("These rows were not imported. Fix them in the file and add it again."));
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);

    const auto& issues = file.issues();
    auto* table = new QTableWidget(static_cast<int>(issues.size()), 2);
    table->setAccessibleName(QStringLiteral("Skipped rows"));
    table->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Reason")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setColumnWidth(0, 50);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumHeight(160);
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int row = 0; row < static_cast<int>(issues.size()); ++row) {
        const ImportIssue& issue = issues[static_cast<std::size_t>(row)];
        auto* line = new QTableWidgetItem(QString::number(issue.line));
        line->setFont(digits);
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 0, line);
        table->setItem(row, 1, new QTableWidgetItem(fromUtf8(issue.message)));
    }
    layout->addWidget(title);
    layout->addWidget(hint);
    layout->addWidget(table, 1);
}

} // namespace marklode
