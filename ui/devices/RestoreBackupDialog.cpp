#include "ui/devices/RestoreBackupDialog.h"

#include "models/QtText.h"
#include "rules/TransferMessages.h"
#include "ui/widgets/ShownText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace marklode {

namespace {

ConfirmationSheet::Content restoreContent(const BackupEntry& backup, std::string_view deviceName,
                                          bool replacesExisting, const QLocale& locale) {
    RestoreConfirmationTexts texts = restoreConfirmationTexts(deviceName, replacesExisting);
    return {fromUtf8(texts.title),
            nullptr,
            {{QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Device"), shownText(deviceName)},
             {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Backup"),
              shownBackupTime(backup, locale)},
             {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "POIs"),
              locale.toString(static_cast<qlonglong>(backup.poiCount.value_or(0)))},
             {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "File"),
              QStringLiteral("Garmin/POI/poi.gpi")}},
            fromUtf8(texts.existing),
            replacesExisting,
            fromUtf8(texts.confirmButton),
            QStringLiteral("confirmRestore")};
}

} // namespace

RestoreBackupDialog::RestoreBackupDialog(std::vector<BackupEntry> backups,
                                         const QString& deviceName, const QLocale& locale,
                                         QWidget* parent)
    : QDialog(parent), backups_(std::move(backups)) {
    setWindowModality(Qt::WindowModal);
    setObjectName(QStringLiteral("restoreBackupDialog"));
    QString title = tr("Restore Backup to %1").arg(deviceName);
    setWindowTitle(title);
    setAccessibleName(title);
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(
        secondaryLabel(tr("Choose the backup to put back on %1. Newest first.").arg(deviceName)));

    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setAccessibleName(tr("Backups"));
    list_->setHeaderLabels({tr("Backup"), tr("POIs")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    QTreeWidgetItem* first = nullptr;
    for (const BackupEntry& backup : backups_) {
        auto* item = new QTreeWidgetItem(
            list_, {shownBackupTime(backup, locale),
                    backup.poiCount ? locale.toString(static_cast<qlonglong>(*backup.poiCount))
                                    : tr("Damaged")});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, fromUtf8(backup.folder.string()));
        if (backup.isDamaged())
            item->setFlags(Qt::NoItemFlags); // can't be restored, so can't be chosen
        else if (!first)
            first = item;
    }
    layout->addWidget(list_, 1);

    layout->addLayout(cancelAndConfirm(this, tr("Restore\u2026"), &choose_));
    choose_->setObjectName(QStringLiteral("chooseBackup"));
    auto updateChoice = [this] { choose_->setEnabled(chosen().has_value()); };
    connect(list_, &QTreeWidget::itemSelectionChanged, this, updateChoice);
    connect(list_, &QTreeWidget::itemActivated, this, [this] {
        if (chosen())
            accept();
    });
    if (first)
        list_->setCurrentItem(first);
    updateChoice();
}

std::optional<BackupEntry> RestoreBackupDialog::chosen() const {
    QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const BackupEntry& backup =
        backups_.at(static_cast<std::size_t>(list_->indexOfTopLevelItem(selected.front())));
    if (backup.isDamaged())
        return std::nullopt;
    return backup;
}

RestoreConfirmationSheet::RestoreConfirmationSheet(const BackupEntry& backup,
                                                   std::string_view deviceName,
                                                   bool replacesExisting, const QLocale& locale,
                                                   QWidget* parent)
    : ConfirmationSheet(QStringLiteral("restoreConfirmationSheet"),
                        restoreContent(backup, deviceName, replacesExisting, locale), parent) {}

} // namespace marklode
