#include "ui/devices/DeviceActions.h"

#include "models/LibraryViewModel.h"
#include "models/QtText.h"
#include "rules/TransferMessages.h"
#include "ui/devices/RestoreBackupDialog.h"
#include "ui/devices/SendConfirmationSheet.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/ShownText.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace marklode {

DeviceActions::DeviceActions(LibraryViewModel& library, DeviceViewModel& devices, QWidget* window)
    : QObject(window), library_(library), devices_(devices), window_(window) {
    connect(&devices_, &DeviceViewModel::resultMessageChanged, this, &DeviceActions::showResult);
    // The Done alert's buttons follow the model while it is open.
    for (auto signal : {&DeviceViewModel::isBusyChanged, &DeviceViewModel::lastDeviceChanged,
                        &DeviceViewModel::lastBackupChanged})
        connect(&devices_, signal, this, [this] {
            if (resultAlert_)
                showResult();
        });
    connect(&devices_, &DeviceViewModel::errorMessageChanged, this, [this] {
        showWarning(errorAlert_, window_, devices_.errorMessage(),
                    [this] { devices_.setErrorMessage(std::nullopt); });
    });
}

bool DeviceActions::canSend(const std::optional<GarminDevice>& device) const {
    return device && library_.hasCategories();
}

bool DeviceActions::canRestore(const GarminDevice& device) const {
    return !devices_.isBusy() && devices_.hasBackups(device);
}

bool DeviceActions::canEject() const {
    return !devices_.isBusy();
}

void DeviceActions::addTo(QMenu& menu, const GarminDevice& device) {
    menu.addAction(tr("Send to Device\u2026"), this, [this, device] { send(device); });
    menu.addAction(tr("Remove Custom POIs from Device\u2026"), this,
                   [this, device] { removeCustomPOIs(device); });
    menu.addAction(tr("Restore Backup\u2026"), this, [this, device] { restoreBackup(device); })
        ->setEnabled(canRestore(device));
    menu.addSeparator();
    menu.addAction(tr("Eject"), this, [this, device] { eject(device); })->setEnabled(canEject());
}

bool DeviceActions::isAsking() const {
    // One answered is hidden at once and deleted a little later.
    return question_ && question_->isVisible();
}

std::optional<GarminDevice> DeviceActions::stillConnected(const Path& volume,
                                                          const std::string& deviceName) {
    std::optional<GarminDevice> device = devices_.connectedDevice(volume);
    if (!device)
        devices_.setErrorMessage(fromUtf8(noLongerConnectedMessage(deviceName)));
    return device;
}

void DeviceActions::ask(QDialog* question, const Path& volume, const std::string& deviceName,
                        std::function<void(const GarminDevice&)> run) {
    question->setAttribute(Qt::WA_DeleteOnClose);
    question_ = question;
    connect(question, &QDialog::accepted, this, [this, volume, deviceName, run = std::move(run)] {
        if (std::optional<GarminDevice> device = stillConnected(volume, deviceName))
            run(*device);
    });
    question->open();
}

void DeviceActions::send(const GarminDevice& device) {
    devices_.planSend(library_, device, this, [this](const SendPlan& plan) { askToSend(plan); });
}

void DeviceActions::askToSend(const SendPlan& plan) {
    // Plans arrive after a look at the device, so clicks made meanwhile may bring more.
    if (isAsking())
        return;
    ask(new SendConfirmationSheet(plan, library_.locale(), window_), plan.deviceID, plan.deviceName,
        [this](const GarminDevice& device) {
            QTimer::singleShot(0, &devices_,
                               [this, device] { devices_.sendLibrary(library_, device); });
        });
}

void DeviceActions::removeCustomPOIs(const GarminDevice& device) {
    if (isAsking())
        return;
    RemoveConfirmationTexts texts = removeConfirmationTexts(device.displayName());
    question_ =
        askQuestion(window_, fromUtf8(texts.title), fromUtf8(texts.message),
                    {{fromUtf8(texts.confirmButton), QMessageBox::DestructiveRole},
                     {tr("Cancel"), QMessageBox::RejectRole}},
                    [this, volume = device.volumeURL,
                     name = device.displayName()](QMessageBox::ButtonRole answer) {
                        if (answer != QMessageBox::DestructiveRole)
                            return;
                        if (std::optional<GarminDevice> connected = stillConnected(volume, name))
                            devices_.removeFromDevice(*connected);
                    });
}

void DeviceActions::restoreBackup(const GarminDevice& device) {
    devices_.readBackups(device, this, [this, device](std::vector<BackupEntry> backups) {
        chooseBackup(device, std::move(backups));
    });
}

void DeviceActions::chooseBackup(const GarminDevice& device, std::vector<BackupEntry> backups) {
    // The list arrives after the backups were read, so clicks made meanwhile may bring more.
    if (isAsking())
        return;
    auto* chooser = new RestoreBackupDialog(std::move(backups), shownText(device.displayName()),
                                            library_.locale(), window_);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    question_ = chooser;
    connect(chooser, &QDialog::accepted, this, [this, device, chooser] {
        std::optional<BackupEntry> backup = chooser->chosen();
        if (!backup)
            return;
        devices_.checkCustomPOIs(device, this, [this, device, backup = *backup](bool replaces) {
            confirmRestore(device, backup, replaces);
        });
    });
    chooser->open();
}

void DeviceActions::confirmRestore(const GarminDevice& device, const BackupEntry& backup,
                                   bool replacesExisting) {
    ask(new RestoreConfirmationSheet(backup, device.displayName(), replacesExisting,
                                     library_.locale(), window_),
        device.volumeURL, device.displayName(), [this, backup](const GarminDevice& connected) {
            devices_.restoreBackup(backup, connected);
        });
}

void DeviceActions::eject(const GarminDevice& device) {
    devices_.eject(device);
}

void DeviceActions::showLastBackup() {
    devices_.revealLastBackup();
}

void DeviceActions::showBackups(const GarminDevice& device) {
    devices_.revealBackups(device);
}

void DeviceActions::addSelectedDeviceActions(QMenu& menu) {
    auto add = [&](const QString& text, void (DeviceActions::*act)(const GarminDevice&)) {
        return menu.addAction(text, this, [this, act] {
            if (std::optional<GarminDevice> device = devices_.selectedDevice())
                (this->*act)(*device);
        });
    };
    QAction* send = add(tr("Send to Device\u2026"), &DeviceActions::send);
    QAction* remove = add(tr("Remove Custom POIs\u2026"), &DeviceActions::removeCustomPOIs);
    QAction* restore = add(tr("Restore Backup\u2026"), &DeviceActions::restoreBackup);
    menu.addSeparator();
    QAction* ejectAction = add(tr("Eject"), &DeviceActions::eject);
    QAction* reveal = add(tr("Show Backups in File Manager"), &DeviceActions::showBackups);
    selected_ = SelectedDeviceActions{send, remove, restore, ejectAction, reveal};
    for (auto signal : {&DeviceViewModel::devicesChanged, &DeviceViewModel::selectionChanged,
                        &DeviceViewModel::isBusyChanged, &DeviceViewModel::ejectingChanged,
                        &DeviceViewModel::lastBackupChanged})
        connect(&devices_, signal, this, &DeviceActions::updateSelectedDeviceActions);
    connect(&library_, &LibraryViewModel::hasCategoriesChanged, this,
            &DeviceActions::updateSelectedDeviceActions);
    // The backups are on the local disk and may have changed since: looked at again each time.
    connect(&menu, &QMenu::aboutToShow, this, &DeviceActions::updateSelectedDeviceActions);
    updateSelectedDeviceActions();
}

void DeviceActions::updateSelectedDeviceActions() {
    if (!selected_)
        return;
    std::optional<GarminDevice> device = devices_.selectedDevice();
    bool idle = device && !devices_.isBusy() && !devices_.isEjecting(device->volumeURL);
    selected_->send->setEnabled(idle && canSend(device));
    selected_->remove->setEnabled(idle);
    selected_->restore->setEnabled(idle && canRestore(*device));
    selected_->eject->setEnabled(idle);
    selected_->showBackups->setEnabled(device && devices_.hasBackups(*device));
}

void DeviceActions::showResult() {
    const std::optional<QString>& message = devices_.resultMessage();
    dismissQuietly(resultAlert_);
    if (!message)
        return;
    resultAlert_ = openAlert(window_, tr("Done"), *message,
                             [this] { devices_.setResultMessage(std::nullopt); });
    // One role for all three: every platform's layout keeps the buttons of one role in the
    // order they were added, where different roles would be ordered by the platform.
    if (auto device = devices_.lastDevice(); device && canEject()) {
        auto* ejectButton = resultAlert_->addButton(
            tr("Eject %1").arg(shownText(device->displayName())), QMessageBox::ActionRole);
        connect(ejectButton, &QPushButton::clicked, this,
                [this, target = *device] { eject(target); });
    }
    if (devices_.lastBackup()) {
        auto* reveal =
            resultAlert_->addButton(tr("Show Backup in File Manager"), QMessageBox::ActionRole);
        connect(reveal, &QPushButton::clicked, this, &DeviceActions::showLastBackup);
    }
    QPushButton* ok = resultAlert_->addButton(tr("OK"), QMessageBox::ActionRole);
    resultAlert_->setDefaultButton(ok);
    resultAlert_->setEscapeButton(ok);
    resultAlert_->open();
}

} // namespace marklode
