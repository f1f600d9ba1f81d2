#pragma once

#include "core/devices/BackupList.h"
#include "core/devices/DeviceTransfer.h"
#include "core/devices/GarminDevice.h"
#include "core/devices/MountedVolumes.h"
#include "core/io/FileSystem.h"
#include "models/BackgroundTask.h"
#include "models/VolumeEjector.h"
#include "models/VolumeWatcher.h"

#include <QFuture>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace marklode {

class LibraryViewModel;

struct SendPlan {
    Path deviceID; // the device's volume, looked up again on confirmation
    std::string deviceName;
    std::int64_t categoryCount = 0;
    std::int64_t poiCount = 0;
    bool replacesExisting = false;
    // The file that would be sent, and the free space on the device; none when not known.
    std::optional<std::int64_t> fileSize = std::nullopt;
    std::optional<std::int64_t> freeSpace = std::nullopt;
    // The input files the categories come from; as many as the categories when none is split.
    std::optional<std::int64_t> fileCount = std::nullopt;
    bool operator==(const SendPlan&) const = default;

    // What the transfer will ask of the device; false only when both sizes are known.
    bool fits() const;
};

// A backup's time as the user's locale writes it, or its folder name when it has none.
QString shownBackupTime(const BackupEntry& backup, const QLocale& locale);

// Everything slow or external the device model calls; tests substitute their own.
struct DeviceServices {
    FileSystemHandle fileSystem;
    VolumeSource volumes;
    std::function<Path()> backupRoot; // callable from any thread; may throw
    DeviceTransfer::Clock clock;
    std::function<std::unique_ptr<VolumeWatcher>()> watchVolumes;
    std::shared_ptr<const VolumeEjector> ejector; // called off the main thread; may take minutes
    std::function<void(const Path& folder)> revealFolder;
};

// The connected devices, the selected one, and the transfers to them. A write that stores the
// value a field already holds notifies nobody.
class DeviceViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<marklode::GarminDevice> devices READ devices NOTIFY devicesChanged)
    Q_PROPERTY(std::optional<marklode::Path> selection READ selection WRITE setSelection NOTIFY
                   selectionChanged)
    Q_PROPERTY(bool isBusy READ isBusy NOTIFY isBusyChanged)
    Q_PROPERTY(std::optional<QString> resultMessage READ resultMessage WRITE setResultMessage NOTIFY
                   resultMessageChanged)
    Q_PROPERTY(std::optional<marklode::Path> lastBackup READ lastBackup NOTIFY lastBackupChanged)
    Q_PROPERTY(
        std::optional<marklode::GarminDevice> lastDevice READ lastDevice NOTIFY lastDeviceChanged)
    Q_PROPERTY(std::optional<QString> errorMessage READ errorMessage WRITE setErrorMessage NOTIFY
                   errorMessageChanged)

  public:
    // The program's entry point passes the platform's services (platform/PlatformServices.h).
    explicit DeviceViewModel(DeviceServices services, const QLocale& locale = QLocale(),
                             QObject* parent = nullptr);

    const std::vector<GarminDevice>& devices() const { return devices_; }
    const std::optional<Path>& selection() const { return selection_; }
    void setSelection(const std::optional<Path>& selection);
    bool isBusy() const { return isBusy_; }
    const std::optional<QString>& resultMessage() const { return resultMessage_; }
    void setResultMessage(const std::optional<QString>& message);
    const std::optional<Path>& lastBackup() const { return lastBackup_; }
    const std::optional<GarminDevice>& lastDevice() const { return lastDevice_; }
    const std::optional<QString>& errorMessage() const { return errorMessage_; }
    void setErrorMessage(const std::optional<QString>& message);

    // The selected device, or the only one when exactly one is connected.
    std::optional<GarminDevice> selectedDevice() const;
    // The device on the volume as connected now; none once it has gone.
    std::optional<GarminDevice> connectedDevice(const Path& volume) const;

    // Once per model: refresh on every volume change from now on, and now.
    void startWatchingVolumes();
    // Scans the volumes in the background; a medium that is slow to read never holds the main
    // thread. Only the newest refresh's result is applied; the future finishes then.
    QFuture<void> refresh();
    // Counts, copying no POI, and hands the plan to `then` once the device has been looked at.
    QFuture<void> planSend(const LibraryViewModel& library, const GarminDevice& device,
                           QObject* context, std::function<void(const SendPlan&)> then) const;
    // Both finish when the transfer has ended; while one runs, further requests are ignored,
    // and a volume being ejected is refused. A send waits for the library's pending imports,
    // counting as busy meanwhile, then takes the library as it stands and builds the file off
    // the main thread.
    QFuture<void> sendLibrary(LibraryViewModel& library, const GarminDevice& device);
    QFuture<void> removeFromDevice(const GarminDevice& device);
    // These read the medium or the backups off the main thread, since a hung medium or large
    // backups would hold the window, and hand their answer to `then` on the context's thread,
    // unless the context has gone first. The device's backups come newest first, with their
    // POI counts (each one is read); none when the backups root can't be had.
    QFuture<void> readBackups(const GarminDevice& device, QObject* context,
                              std::function<void(std::vector<BackupEntry>)> then) const;
    QFuture<void> checkCustomPOIs(const GarminDevice& device, QObject* context,
                                  std::function<void(bool)> then) const;
    // Looks at the folders on the local disk only.
    bool hasBackups(const GarminDevice& device) const;
    // Puts the backup back on the device as a send installs a file, the current one backed up
    // first; ignored while busy, refused while the volume is being ejected.
    QFuture<void> restoreBackup(const BackupEntry& backup, const GarminDevice& device);
    // Finishes when the volume is gone or the failure is reported; ignored while busy and
    // while the volume is being ejected already.
    QFuture<void> eject(const GarminDevice& device);
    bool isEjecting(const Path& volume) const { return ejecting_.contains(volume); }
    void revealLastBackup();
    // Opens the folder that holds the device's backups, when there is one.
    void revealBackups(const GarminDevice& device);

  Q_SIGNALS:
    void devicesChanged();
    void selectionChanged();
    void isBusyChanged();
    void resultMessageChanged();
    void lastBackupChanged();
    void lastDeviceChanged();
    void errorMessageChanged();
    void ejectingChanged();

  private:
    struct Transferred {
        QString message;
        TransferResult result;
    };
    using Operation = std::function<Transferred(const DeviceTransfer&)>;
    // Runs off the main thread before the backups root is asked for, so that a file that
    // can't be built fails first; returns the operation to run.
    using Preparation = std::function<Operation()>;
    QFuture<void> runTransfer(const GarminDevice& device, Operation operation);
    QFuture<void> runTransfer(const GarminDevice& device, Preparation prepare);
    QFuture<void> sendOnceImported(QPointer<LibraryViewModel> library, const GarminDevice& device);
    bool refusesWhileEjecting(const GarminDevice& device);
    std::optional<Path> deviceBackups(const GarminDevice& device) const;

    void setDevices(std::vector<GarminDevice> devices);
    void setBusy(bool busy);
    void setLastBackup(const std::optional<Path>& folder);
    void setLastDevice(const std::optional<GarminDevice>& device);

    DeviceServices services_;
    QLocale locale_;
    std::unique_ptr<VolumeWatcher> watcher_;
    std::vector<GarminDevice> devices_;
    std::optional<Path> selection_;
    bool isBusy_ = false;
    std::optional<QString> resultMessage_;
    std::optional<Path> lastBackup_;
    std::optional<GarminDevice> lastDevice_;
    std::optional<QString> errorMessage_;
    std::set<Path> ejecting_;
    background::NewestWins scans_;
};

} // namespace marklode
