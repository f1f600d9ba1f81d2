#pragma once

#include "models/DeviceViewModel.h"
#include "ui/widgets/ConfirmationSheet.h"

#include <QDialog>
#include <QLocale>
#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace marklode {

// The device's backups by date with their POI counts, newest first and selected; a damaged one
// is shown but can't be chosen. Window-modal; accepted means a backup was chosen.
class RestoreBackupDialog : public QDialog {
    Q_OBJECT
  public:
    RestoreBackupDialog(std::vector<BackupEntry> backups, const QString& deviceName,
                        const QLocale& locale, QWidget* parent);

    QTreeWidget* list() const { return list_; }
    std::optional<BackupEntry> chosen() const;

  private:
    std::vector<BackupEntry> backups_;
    QTreeWidget* list_;
    QPushButton* choose_;
};

// "Restore the backup to NAME?", in the style of the send confirmation.
class RestoreConfirmationSheet : public ConfirmationSheet {
    Q_OBJECT
  public:
    RestoreConfirmationSheet(const BackupEntry& backup, std::string_view deviceName,
                             bool replacesExisting, const QLocale& locale, QWidget* parent);
};

} // namespace marklode
