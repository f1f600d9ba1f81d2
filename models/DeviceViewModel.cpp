#include "models/DeviceViewModel.h"

#include "core/devices/DeviceScanner.h"
#include "core/io/LocalFileSystem.h"
#include "models/BackgroundTask.h"
#include "models/LibraryViewModel.h"
#include "models/QtText.h"
#include "rules/FileExport.h"
#include "rules/TransferMessages.h"
#include "rules/UserMessage.h"

#include <QDateTime>
#include <QFuture>
#include <algorithm>
#include <chrono>

namespace marklode {

namespace {

QFuture<void> done() {
    return background::finished();
}

// Whether the device holds custom POIs now; not known means maybe, so that a confirmation says
// what is there gets backed up. May hang on a slow medium, so only off the main thread.
bool holdsCustomPOIs(const FileSystem& fileSystem, const GarminDevice& device) {
    try {
        return fileSystem.fileExists(device.poiFileURL());
    } catch (...) {
        return true;
    }
}

// A write of the value a field already holds notifies nobody.
template <typename Field, typename Value>
void assignNotifying(DeviceViewModel* model, Field& field, Value&& value,
                     void (DeviceViewModel::*changed)()) {
    if (field == value)
        return;
    field = std::forward<Value>(value);
    Q_EMIT(model->*changed)();
}

} // namespace

QString shownBackupTime(const BackupEntry& backup, const QLocale& locale) {
    if (!backup.time)
        return fromUtf8(backup.name());
    return locale.toString(
        QDateTime::fromSecsSinceEpoch(std::chrono::system_clock::to_time_t(*backup.time)),
        QLocale::ShortFormat);
}

DeviceViewModel::DeviceViewModel(DeviceServices services, const QLocale& locale, QObject* parent)
    : QObject(parent), services_(std::move(services)), locale_(locale) {}

void DeviceViewModel::setSelection(const std::optional<Path>& selection) {
    assignNotifying(this, selection_, selection, &DeviceViewModel::selectionChanged);
}

void DeviceViewModel::setResultMessage(const std::optional<QString>& message) {
    assignNotifying(this, resultMessage_, message, &DeviceViewModel::resultMessageChanged);
}

void DeviceViewModel::setErrorMessage(const std::optional<QString>& message) {
    assignNotifying(this, errorMessage_, message, &DeviceViewModel::errorMessageChanged);
}

void DeviceViewModel::setDevices(std::vector<GarminDevice> devices) {
    assignNotifying(this, devices_, std::move(devices), &DeviceViewModel::devicesChanged);
}

void DeviceViewModel::setBusy(bool busy) {
    assignNotifying(this, isBusy_, busy, &DeviceViewModel::isBusyChanged);
}

void DeviceViewModel::setLastBackup(const std::optional<Path>& folder) {
    assignNotifying(this, lastBackup_, folder, &DeviceViewModel::lastBackupChanged);
}

void DeviceViewModel::setLastDevice(const std::optional<GarminDevice>& device) {
    assignNotifying(this, lastDevice_, device, &DeviceViewModel::lastDeviceChanged);
}

std::optional<GarminDevice> DeviceViewModel::connectedDevice(const Path& volume) const {
    for (const GarminDevice& device : devices_)
        if (device.volumeURL == volume)
            return device;
    return std::nullopt;
}

std::optional<GarminDevice> DeviceViewModel::selectedDevice() const {
    if (selection_)
        if (auto selected = connectedDevice(*selection_))
            return selected;
    if (devices_.size() == 1)
        return devices_.front();
    return std::nullopt;
}

void DeviceViewModel::startWatchingVolumes() {
    if (watcher_)
        return;
    watcher_ = services_.watchVolumes();
    connect(watcher_.get(), &VolumeWatcher::volumesChanged, this, [this]() { refresh(); });
    refresh();
}

QFuture<void> DeviceViewModel::refresh() {
    std::uint64_t scan = scans_.start();
    background::run(
        background::volumePool(), this,
        [fileSystem = services_.fileSystem, volumes = services_.volumes]() {
            return DeviceScanner(fileSystem).scan(volumes());
        },
        [this, scan](background::Outcome<std::vector<GarminDevice>> outcome) {
            // A scan that started earlier saw the volumes as they were before.
            if (!scans_.isNewest(scan))
                return;
            if (outcome.value)
                setDevices(std::move(*outcome.value));
            if (selection_ && !connectedDevice(*selection_))
                setSelection(std::nullopt);
            if (!selection_ && !devices_.empty())
                setSelection(devices_.front().volumeURL);
            if (lastDevice_ && !connectedDevice(lastDevice_->volumeURL))
                setLastDevice(std::nullopt);
            scans_.settle();
        });
    return scans_.settled();
}

QFuture<void> DeviceViewModel::planSend(const LibraryViewModel& library, const GarminDevice& device,
                                        QObject* context,
                                        std::function<void(const SendPlan&)> then) const {
    SendPlan plan{device.volumeURL, device.displayName(), library.categoryCount(),
                  library.poiCount()};
    plan.fileCount = library.exportedFileCount();
    struct Measured {
        bool replacesExisting = true; // not known means maybe
        std::optional<std::int64_t> fileSize;
        std::optional<std::int64_t> freeSpace;
    };
    // The file is built to be measured, since whether it fits depends on its size; the medium
    // is asked off the main thread, as it may hang.
    return background::run(
        background::volumePool(), context,
        [files = library.categoryExports(), fileSystem = services_.fileSystem, device]() {
            Measured measured;
            try {
                if (!files.empty())
                    measured.fileSize = static_cast<std::int64_t>(deviceFileData(files).size());
            } catch (...) {
                // The send reports what keeps the file from being built.
            }
            measured.replacesExisting = holdsCustomPOIs(*fileSystem, device);
            try {
                measured.freeSpace = fileSystem->availableCapacity(device.volumeURL);
            } catch (...) {
            }
            return measured;
        },
        [plan, then = std::move(then)](background::Outcome<Measured> outcome) mutable {
            Measured measured = outcome.value.value_or(Measured{});
            plan.replacesExisting = measured.replacesExisting;
            plan.fileSize = measured.fileSize;
            plan.freeSpace = measured.freeSpace;
            then(plan);
        });
}

bool SendPlan::fits() const {
    return !fileSize || !freeSpace || *freeSpace >= *fileSize + DeviceTransfer::spaceMargin;
}

bool DeviceViewModel::refusesWhileEjecting(const GarminDevice& device) {
    if (!isEjecting(device.volumeURL))
        return false;
    setErrorMessage(fromUtf8(beingEjectedMessage(device.displayName())));
    return true;
}

QFuture<void> DeviceViewModel::sendLibrary(LibraryViewModel& library, const GarminDevice& device) {
    if (isBusy_ || refusesWhileEjecting(device))
        return done();
    // Busy from here on, so that no eject or second transfer starts while imports finish.
    setBusy(true);
    return sendOnceImported(&library, device);
}

QFuture<void> DeviceViewModel::sendOnceImported(QPointer<LibraryViewModel> library,
                                                const GarminDevice& device) {
    if (library && library->isImporting())
        return background::thenAwait(library->whenImported(), this, [this, library, device]() {
            return sendOnceImported(library, device);
        });
    // The library as it is now; its POIs are shared, not copied.
    std::vector<FileExport> files =
        library ? library->categoryExports() : std::vector<FileExport>{};
    if (files.empty()) {
        setErrorMessage(fromUtf8(noPOIsToSendMessage()));
        setBusy(false);
        return done();
    }
    // Counted as the confirmation counted them: a file split by its categories is several.
    Preparation build = [files = std::move(files), categoryCount = library->categoryCount(), device,
                         locale = locale_]() -> Operation {
        auto data = std::make_shared<const Bytes>(deviceFileData(files));
        return [data, categoryCount, device, locale](const DeviceTransfer& transfer) {
            TransferResult result = transfer.send(*data, device);
            return Transferred{
                fromUtf8(sentMessage(result.verifiedPOICount, categoryCount, device.displayName(),
                                     result.backupFolder, countFormat(locale))),
                result};
        };
    };
    return runTransfer(device, std::move(build));
}

QFuture<void> DeviceViewModel::removeFromDevice(const GarminDevice& device) {
    if (isBusy_ || refusesWhileEjecting(device))
        return done();
    return runTransfer(device, [device](const DeviceTransfer& transfer) {
        TransferResult result = transfer.removeCustomPOIs(device);
        return Transferred{fromUtf8(removedMessage(device.displayName(), result.backupFolder)),
                           result};
    });
}

std::optional<Path> DeviceViewModel::deviceBackups(const GarminDevice& device) const {
    try {
        return deviceBackupFolder(services_.backupRoot(), device);
    } catch (...) {
        return std::nullopt; // no backups root, so nothing to restore from
    }
}

QFuture<void>
DeviceViewModel::readBackups(const GarminDevice& device, QObject* context,
                             std::function<void(std::vector<BackupEntry>)> then) const {
    return background::run(
        background::volumePool(), context,
        [fileSystem = services_.fileSystem, folder = deviceBackups(device)]() {
            return folder ? listBackups(*fileSystem, *folder) : std::vector<BackupEntry>{};
        },
        [then = std::move(then)](background::Outcome<std::vector<BackupEntry>> outcome) {
            then(outcome.value.value_or(std::vector<BackupEntry>{}));
        });
}

bool DeviceViewModel::hasBackups(const GarminDevice& device) const {
    std::optional<Path> folder = deviceBackups(device);
    return folder && !backupFolders(*services_.fileSystem, *folder).empty();
}

QFuture<void> DeviceViewModel::checkCustomPOIs(const GarminDevice& device, QObject* context,
                                               std::function<void(bool)> then) const {
    return background::run(
        background::volumePool(), context,
        [fileSystem = services_.fileSystem, device]() {
            return holdsCustomPOIs(*fileSystem, device);
        },
        [then = std::move(then)](background::Outcome<bool> outcome) {
            then(outcome.value.value_or(true));
        });
}

QFuture<void> DeviceViewModel::restoreBackup(const BackupEntry& backup,
                                             const GarminDevice& device) {
    if (isBusy_ || refusesWhileEjecting(device))
        return done();
    QString when = shownBackupTime(backup, locale_);
    return runTransfer(device, [device, folder = backup.folder, when = when.toStdString(),
                                locale = locale_](const DeviceTransfer& transfer) {
        TransferResult result = transfer.restore(folder, device);
        return Transferred{
            fromUtf8(restoredMessage(when, result.verifiedPOICount, device.displayName(),
                                     result.backupFolder, countFormat(locale))),
            result};
    });
}

QFuture<void> DeviceViewModel::runTransfer(const GarminDevice& device, Operation operation) {
    return runTransfer(device, [operation = std::move(operation)]() { return operation; });
}

QFuture<void> DeviceViewModel::runTransfer(const GarminDevice& device, Preparation prepare) {
    setBusy(true);
    // The body sees only copies; the model is touched again on the main thread, in one step.
    auto body = [fileSystem = services_.fileSystem, backupRoot = services_.backupRoot,
                 clock = services_.clock, prepare = std::move(prepare)]() {
        Operation operation = prepare();
        DeviceTransfer transfer(fileSystem, backupRoot(), clock);
        return operation(transfer);
    };
    return background::run(background::volumePool(), this, std::move(body),
                           [this, device](background::Outcome<Transferred> outcome) {
                               if (outcome.value) {
                                   setResultMessage(outcome.value->message);
                                   setLastBackup(outcome.value->result.backupFolder);
                                   setLastDevice(device);
                               } else {
                                   setErrorMessage(fromUtf8(userMessage(outcome.error)));
                               }
                               setBusy(false);
                           });
}

QFuture<void> DeviceViewModel::eject(const GarminDevice& device) {
    if (isBusy_ || isEjecting(device.volumeURL))
        return done();
    ejecting_.insert(device.volumeURL);
    Q_EMIT ejectingChanged();
    auto refreshed = std::make_shared<QFuture<void>>(done());
    QFuture<void> ejected = background::run(
        background::volumePool(), this,
        [ejector = services_.ejector, volume = device.volumeURL]() {
            return ejector->eject(volume);
        },
        [this, device, refreshed](background::Outcome<bool> outcome) {
            ejecting_.erase(device.volumeURL);
            Q_EMIT ejectingChanged();
            if (outcome.value && *outcome.value) {
                if (lastDevice_ && lastDevice_->volumeURL == device.volumeURL)
                    setLastDevice(std::nullopt);
                *refreshed = refresh();
                return;
            }
            setErrorMessage(fromUtf8(ejectFailedMessage(device.displayName())));
        });
    return background::thenAwait(ejected, this, [refreshed]() { return *refreshed; });
}

void DeviceViewModel::revealLastBackup() {
    if (lastBackup_)
        services_.revealFolder(*lastBackup_);
}

void DeviceViewModel::revealBackups(const GarminDevice& device) {
    if (hasBackups(device))
        services_.revealFolder(*deviceBackups(device));
}

} // namespace marklode
