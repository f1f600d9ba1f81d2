#pragma once

#include "models/DeviceViewModel.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QDialog;
class QMenu;
class QMessageBox;
class QWidget;

namespace marklode {

class LibraryViewModel;

// What can be done to a device: send the library, remove its custom POIs, restore a backup,
// eject it, show the backup just made. Each is a look at the device, a confirmation, a run by
// the model and its result, the same whichever menu or button asks. Questions are
// window-modal on the window and one at a time; a device unplugged while the user decides is
// reported instead of written to.
class DeviceActions : public QObject {
    Q_OBJECT
  public:
    DeviceActions(LibraryViewModel& library, DeviceViewModel& devices, QWidget* window);

    // Counts the library and looks at the device, then asks "Send to NAME?".
    void send(const GarminDevice& device);
    void askToSend(const SendPlan& plan);
    void removeCustomPOIs(const GarminDevice& device);
    // Reads the backups, lets the user choose one, then asks.
    void restoreBackup(const GarminDevice& device);
    void eject(const GarminDevice& device);
    void showLastBackup();
    void showBackups(const GarminDevice& device);

    bool canSend(const std::optional<GarminDevice>& device) const;
    bool canRestore(const GarminDevice& device) const;
    bool canEject() const;
    // The device row's menu.
    void addTo(QMenu& menu, const GarminDevice& device);
    // The menu bar's Device menu: the same actions for the selected device, each enabled only
    // when it applies to it.
    void addSelectedDeviceActions(QMenu& menu);

  private:
    void chooseBackup(const GarminDevice& device, std::vector<BackupEntry> backups);
    void confirmRestore(const GarminDevice& device, const BackupEntry& backup,
                        bool replacesExisting);
    // Opens the question unless another one is open; once it is confirmed, `run` gets the
    // device as connected then.
    void ask(QDialog* question, const Path& volume, const std::string& deviceName,
             std::function<void(const GarminDevice&)> run);
    // The confirmed action's device, or the model's error when it has gone meanwhile.
    std::optional<GarminDevice> stillConnected(const Path& volume, const std::string& deviceName);
    void showResult();
    bool isAsking() const;
    void updateSelectedDeviceActions();

    LibraryViewModel& library_;
    DeviceViewModel& devices_;
    QWidget* window_;
    QPointer<QWidget> question_;
    QPointer<QMessageBox> resultAlert_, errorAlert_;
    struct SelectedDeviceActions {
        QAction *send, *remove, *restore, *eject, *showBackups;
    };
    std::optional<SelectedDeviceActions> selected_;
};

} // namespace marklode
