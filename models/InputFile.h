#pragma once

#include "core/gpi/GPIIcon.h"
#include "core/import/ImportIssue.h"
#include "core/import/POI.h"
#include "core/import/SpeedUnit.h"
#include "core/io/FileSystem.h"
#include "core/io/ReadFile.h"
#include "models/BackgroundTask.h"
#include "models/DetailsSummary.h"
#include "models/FileSettings.h"
#include "models/SettingsStore.h"
#include "rules/ExportSettings.h"
#include "rules/FileExport.h"
#include "rules/InputKind.h"
#include "rules/ProximityRule.h"
#include "rules/SidecarIcon.h"

#include <QFuture>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QUuid>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

// Reads an input file's bytes; called off the main thread. Tests hold imports back with their
// own.
using InputReader = std::function<std::string(const Path&)>;

// Finds the image next to an input file that becomes its icon; called off the main thread.
using SidecarFinder = std::function<std::optional<Path>(const Path&)>;

// One CSV or GPX file of the library: its import, its own export settings and what the views
// show of it. Lives on the main thread; its import, and the .gpi built from it for a save or a
// send, run in the background.
class InputFile : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        QString categoryName READ categoryName WRITE setCategoryName NOTIFY categoryNameChanged)
    Q_PROPERTY(marklode::CategoryMode categoryMode READ categoryMode WRITE setCategoryMode NOTIFY
                   categoryModeChanged)
    Q_PROPERTY(
        marklode::SpeedUnit speedUnit READ speedUnit WRITE setSpeedUnit NOTIFY speedUnitChanged)
    Q_PROPERTY(QFuture<void> reloadTask READ reloadTask NOTIFY reloadTaskChanged)
    Q_PROPERTY(marklode::ProximityMode proximityMode READ proximityMode WRITE setProximityMode
                   NOTIFY proximityModeChanged)
    Q_PROPERTY(double fixedProximity READ fixedProximity WRITE setFixedProximity NOTIFY
                   fixedProximityChanged)
    Q_PROPERTY(marklode::DistanceUnit distanceUnit READ distanceUnit WRITE setDistanceUnit NOTIFY
                   distanceUnitChanged)
    Q_PROPERTY(std::optional<marklode::GPIIcon> icon READ icon NOTIFY iconChanged)
    Q_PROPERTY(marklode::IconSource iconSource READ iconSource NOTIFY iconSourceChanged)
    Q_PROPERTY(std::optional<QString> iconError READ iconError NOTIFY iconErrorChanged)
    Q_PROPERTY(marklode::POIStore rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(std::vector<marklode::ImportIssue> issues READ issues NOTIFY issuesChanged)
    Q_PROPERTY(std::optional<QString> loadError READ loadError NOTIFY loadErrorChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(bool isDeletedOnDisk READ isDeletedOnDisk WRITE setDeletedOnDisk NOTIFY
                   isDeletedOnDiskChanged)

  public:
    // No I/O: the settings come from the store, or from the locale without one.
    InputFile(Path url, const QLocale& locale, std::shared_ptr<SettingsStore> settingsStore,
              QObject* parent = nullptr);

    const QUuid& id() const { return id_; }
    const Path& url() const { return url_; }
    InputKind kind() const { return kind_; }

    const QString& categoryName() const { return categoryName_; }
    void setCategoryName(const QString& name);
    // Decides only how the POIs are written; the file is not read again.
    CategoryMode categoryMode() const { return categoryMode_; }
    void setCategoryMode(CategoryMode mode);
    SpeedUnit speedUnit() const { return speedUnit_; }
    // A different unit re-imports the file; every assignment is remembered as the default.
    void setSpeedUnit(SpeedUnit unit);
    // The re-import started by the last speed-unit change; an invalid future before any.
    QFuture<void> reloadTask() const { return reloadTask_; }
    ProximityMode proximityMode() const { return proximityMode_; }
    void setProximityMode(ProximityMode mode);
    double fixedProximity() const { return fixedProximity_; }
    // A distance a .gpi can't hold in the current unit is refused.
    void setFixedProximity(double distance);
    // Does not convert fixedProximity: 300 stays 300 in the other unit, and only a distance
    // the new unit can't hold becomes the most it can.
    DistanceUnit distanceUnit() const { return distanceUnit_; }
    void setDistanceUnit(DistanceUnit unit);

    const std::optional<GPIIcon>& icon() const { return icon_; }
    const IconSource& iconSource() const { return iconSource_; }
    const std::optional<QString>& iconError() const { return iconError_; }
    // The file's POIs as imported; a row's id is its position.
    const POIStore& rows() const { return contents_->pois; }
    const std::vector<ImportIssue>& issues() const { return contents_->issues; }
    // Changes with the rows.
    const DetailsSummary& details() const { return *details_; }
    // The categories the file's .gpi holds in its current mode, with their POIs.
    std::vector<CategoryCount> exportedCategories() const;
    const std::optional<QString>& loadError() const { return loadError_; }
    bool isLoading() const { return isLoading_; }
    // The file is gone from the disk; what it held stays. Cleared once it has been read again.
    bool isDeletedOnDisk() const { return isDeletedOnDisk_; }
    void setDeletedOnDisk(bool deleted);

    // The first import: reload, and the sidecar icon (found and read with the import) unless one
    // was chosen meanwhile.
    QFuture<void> load();
    // Reads and imports the file afresh in the background; failures end in loadError. When
    // imports overlap, only the newest one's result is applied, and isLoading stays set until
    // it has been; the futures of all of them finish then.
    QFuture<void> reload();
    // Finishes once no import is pending (at once when none is).
    QFuture<void> whenImported() const { return imports_.settled(); }
    // Failures fall back to the built-in icon and leave their reason in iconError.
    void applyIconSource(const IconSource& source);

    FileSettings settings() const;
    // Each setting that differs is set as its setter sets it; a distance the unit can't hold is
    // left as it is.
    void apply(const FileSettings& settings);

    // The row as the views show it, the proximity rule applied; its texts are views into rows(),
    // valid until they change.
    POIView effectivePOI(std::size_t position) const;
    // Each POI is copied once.
    POIStore effectivePOIs() const;
    // This file alone as a .gpi file. Throws GPIWriterError.
    Bytes gpiData() const;
    // What the file's .gpi is built from as it stands now, for building it on another thread.
    FileExport exportSnapshot() const;

    // "50 km/h, 300 m" in the file's current units.
    QString alertSummary(const POIView& poi) const;
    // The same in the given units; on any thread.
    static QString alertSummary(const POIView& poi, SpeedUnit speedUnit, DistanceUnit distanceUnit);
    // Positions in rows() of the rows whose name or comment holds the trimmed search text,
    // letter case ignored; all rows for an empty text. Positions rather than copies, so a
    // keystroke over a large file stays quick.
    std::vector<std::size_t> filteredRows(std::string_view search) const;

    // How the file is read and its sidecar icon found; set before the first load.
    InputReader readInput = [](const Path& url) { return readFileBytes(url); };
    SidecarFinder findSidecar = [](const Path& url) { return findSidecarIcon(url); };

  Q_SIGNALS:
    void categoryNameChanged();
    void categoryModeChanged();
    void speedUnitChanged();
    void reloadTaskChanged();
    void proximityModeChanged();
    void fixedProximityChanged();
    void distanceUnitChanged();
    void iconChanged();
    void iconSourceChanged();
    void iconErrorChanged();
    void rowsChanged();
    void issuesChanged();
    void loadErrorChanged();
    void isLoadingChanged();
    void isDeletedOnDiskChanged();
    // After any of the settings changed, once per change.
    void settingsChanged();

  private:
    struct IconRead;
    struct Imported;
    static IconRead readIcon(const IconSource& source);
    void setIcon(IconRead read);
    void setLoading(bool loading);
    QFuture<void> startImport(bool thenSidecarIcon);
    void rememberSettings();
    ProximitySettings proximitySettings() const;

    QUuid id_;
    Path url_;
    InputKind kind_;
    QString categoryName_;
    CategoryMode categoryMode_;
    SpeedUnit speedUnit_;
    QFuture<void> reloadTask_;
    ProximityMode proximityMode_;
    double fixedProximity_;
    DistanceUnit distanceUnit_;
    std::shared_ptr<SettingsStore> settingsStore_;
    std::optional<GPIIcon> icon_;
    IconSource iconSource_;
    std::optional<QString> iconError_;
    // Replaced whole by each import; the replaced one is freed off the main thread.
    std::shared_ptr<const ImportedContents> contents_;
    std::shared_ptr<const DetailsSummary> details_;
    std::optional<QString> loadError_;
    bool isLoading_ = false;
    bool isDeletedOnDisk_ = false;
    background::NewestWins imports_;
    bool sidecarIconPending_ = false;
    // Until the first import starts, a new speed unit needs no import of its own.
    bool imported_ = false;
};

} // namespace marklode
