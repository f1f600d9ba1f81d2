#include "models/InputFile.h"

#include "core/io/ReadFile.h"
#include "models/BackgroundTask.h"
#include "models/QtText.h"
#include "rules/ImportedContents.h"
#include "rules/InputKind.h"
#include "rules/LibraryMessages.h"
#include "rules/ProximityRule.h"
#include "rules/SidecarIcon.h"
#include "rules/TextSearch.h"
#include "rules/UserMessage.h"

#include <QStringList>
#include <cmath>
#include <limits>
#include <malloc.h>
#include <utility>

namespace marklode {

namespace {

// Runs in the background: everything that scales with the file's size happens here, so the
// main thread only puts the finished contents in place.
std::shared_ptr<const ImportedContents> importFile(const InputReader& read, const Path& url,
                                                   InputKind kind, SpeedUnit speedUnit) {
    // A temporary: the bytes are freed before the contents are built, never held with them.
    std::string bytes = read(url);
    const std::size_t size = bytes.size();
    ImportResult result = importBytes(std::move(bytes), kind, speedUnit);
    auto contents = background::share(importedContents(std::move(result)));
    // A large import leaves tens of megabytes of freed scratch (the file's bytes, the parts a
    // parallel parse joined) that the allocator would otherwise keep as long as the window runs.
    constexpr std::size_t largeImport = std::size_t{8} << 20;
    if (size >= largeImport)
        ::malloc_trim(0);
    return contents;
}

std::shared_ptr<const DetailsSummary> noDetails() {
    static const auto none = std::make_shared<const DetailsSummary>();
    return none;
}

// Rounded half away from zero; values beyond a 64-bit integer are shown without one.
QString wholeNumber(double value) {
    double rounded = roundHalfAwayFromZero(value);
    if (std::abs(rounded) < 9.2e18)
        return QString::number(static_cast<qint64>(rounded));
    return QString::number(rounded, 'f', 0);
}

} // namespace

InputFile::InputFile(Path url, const QLocale& locale, std::shared_ptr<SettingsStore> settingsStore,
                     QObject* parent)
    : QObject(parent), id_(QUuid::createUuid()), url_(std::move(url)), kind_(inputKindOf(url_)),
      categoryName_(fromUtf8(proposedCategoryName(url_))),
      categoryMode_(defaultCategoryMode(kind_)), settingsStore_(std::move(settingsStore)),
      contents_(background::share(ImportedContents{})), details_(noDetails()) {
    ExportDefaults defaults;
    if (settingsStore_) {
        defaults = settingsStore_->load();
    } else {
        bool imperial = SettingsStore::usesImperialUnits(locale);
        defaults.speedUnit = imperial ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour;
        defaults.distanceUnit = imperial ? DistanceUnit::feet : DistanceUnit::meters;
    }
    speedUnit_ = defaults.speedUnit;
    proximityMode_ = defaults.proximityMode;
    distanceUnit_ = defaults.distanceUnit;
    fixedProximity_ = defaults.fixedProximity;
    // Distances from the file only where its kind carries them; not written back to the store.
    if (proximityMode_ == ProximityMode::fromFile)
        proximityMode_ = defaultProximityMode(kind_);
}

void InputFile::setCategoryName(const QString& name) {
    categoryName_ = name;
    Q_EMIT categoryNameChanged();
    Q_EMIT settingsChanged();
}

void InputFile::setCategoryMode(CategoryMode mode) {
    categoryMode_ = mode;
    Q_EMIT categoryModeChanged();
    Q_EMIT settingsChanged();
}

void InputFile::setSpeedUnit(SpeedUnit unit) {
    bool changed = unit != speedUnit_;
    speedUnit_ = unit;
    Q_EMIT speedUnitChanged();
    // Speeds are converted while importing, so a new unit means reading the file again.
    if (changed && imported_) {
        reloadTask_ = reload();
        Q_EMIT reloadTaskChanged();
    }
    rememberSettings();
}

void InputFile::setProximityMode(ProximityMode mode) {
    proximityMode_ = mode;
    Q_EMIT proximityModeChanged();
    rememberSettings();
}

void InputFile::setFixedProximity(double distance) {
    if (!isUsableFixedProximity(distance, distanceUnit_))
        return;
    fixedProximity_ = distance;
    Q_EMIT fixedProximityChanged();
    rememberSettings();
}

void InputFile::setDistanceUnit(DistanceUnit unit) {
    distanceUnit_ = unit;
    Q_EMIT distanceUnitChanged();
    // 200,000 ft become the most metres a .gpi holds, not 200,000 m.
    if (fixedProximity_ > maxFixedProximity(unit)) {
        fixedProximity_ = maxFixedProximity(unit);
        Q_EMIT fixedProximityChanged();
    }
    rememberSettings();
}

void InputFile::rememberSettings() {
    Q_EMIT settingsChanged();
    if (settingsStore_)
        settingsStore_->save({speedUnit_, proximityMode_, distanceUnit_, fixedProximity_});
}

void InputFile::setDeletedOnDisk(bool deleted) {
    if (deleted == isDeletedOnDisk_)
        return;
    isDeletedOnDisk_ = deleted;
    Q_EMIT isDeletedOnDiskChanged();
}

void InputFile::setLoading(bool loading) {
    isLoading_ = loading;
    Q_EMIT isLoadingChanged();
}

QFuture<void> InputFile::load() {
    return startImport(true);
}

QFuture<void> InputFile::reload() {
    return startImport(false);
}

// An icon as read from its file: the icon, or the built-in one with the reason.
struct InputFile::IconRead {
    std::optional<GPIIcon> icon;
    IconSource source;
    std::optional<QString> error;
};

// What one import hands back to the main thread.
struct InputFile::Imported {
    std::shared_ptr<const ImportedContents> contents;
    std::shared_ptr<const DetailsSummary> details;
    std::optional<IconRead> sidecarIcon;
};

QFuture<void> InputFile::startImport(bool thenSidecarIcon) {
    std::uint64_t run = imports_.start();
    imported_ = true;
    sidecarIconPending_ = sidecarIconPending_ || thenSidecarIcon;
    setLoading(true);
    background::run(
        this,
        // Finding and reading the icon lists the file's folder, which may hold thousands.
        [read = readInput, find = sidecarIconPending_ ? findSidecar : SidecarFinder(), url = url_,
         kind = kind_, unit = speedUnit_]() {
            Imported imported{importFile(read, url, kind, unit), nullptr, std::nullopt};
            imported.details = background::share(summarizeDetails(imported.contents->pois));
            if (find)
                if (std::optional<Path> sidecar = find(url))
                    imported.sidecarIcon = readIcon(IconSource::sidecar(*sidecar));
            return imported;
        },
        [this, run](background::Outcome<Imported> outcome) {
            // An older import read the file in a unit that is no longer chosen.
            if (!imports_.isNewest(run))
                return;
            // Released after the signals, so observers never see a half state; whatever was
            // shown before is freed off the main thread.
            std::shared_ptr<const ImportedContents> previous = std::move(contents_);
            std::optional<IconRead> sidecarIcon;
            if (outcome.value) {
                contents_ = std::move(outcome.value->contents);
                details_ = std::move(outcome.value->details);
                sidecarIcon = std::move(outcome.value->sidecarIcon);
                loadError_.reset();
            } else {
                contents_ = background::share(ImportedContents{});
                details_ = noDetails();
                loadError_ = fromUtf8(userMessage(outcome.error));
            }
            isLoading_ = false;
            Q_EMIT rowsChanged();
            Q_EMIT issuesChanged();
            Q_EMIT loadErrorChanged();
            Q_EMIT isLoadingChanged();
            // An icon chosen meanwhile wins.
            if (std::exchange(sidecarIconPending_, false) && sidecarIcon &&
                iconSource_.kind == IconSource::Kind::builtIn)
                setIcon(std::move(*sidecarIcon));
            if (outcome.value)
                setDeletedOnDisk(false);
            imports_.settle();
        });
    return imports_.settled();
}

void InputFile::setIcon(IconRead read) {
    icon_ = std::move(read.icon);
    iconSource_ = std::move(read.source);
    iconError_ = std::move(read.error);
    Q_EMIT iconChanged();
    Q_EMIT iconSourceChanged();
    Q_EMIT iconErrorChanged();
    Q_EMIT settingsChanged();
}

InputFile::IconRead InputFile::readIcon(const IconSource& source) {
    if (source.kind == IconSource::Kind::builtIn)
        return {std::nullopt, IconSource::builtIn(), std::nullopt};
    try {
        return {GPIIcon::contentsOf(source.url), source, std::nullopt};
    } catch (...) {
        return {std::nullopt, IconSource::builtIn(),
                fromUtf8(fileProblemLine(source.url.filename().string(),
                                         userMessage(std::current_exception())))};
    }
}

void InputFile::applyIconSource(const IconSource& source) {
    setIcon(readIcon(source));
}

FileSettings InputFile::settings() const {
    return {categoryName_, categoryMode_,   speedUnit_, proximityMode_,
            distanceUnit_, fixedProximity_, iconSource_};
}

void InputFile::apply(const FileSettings& settings) {
    if (settings.categoryName != categoryName_)
        setCategoryName(settings.categoryName);
    if (settings.categoryMode != categoryMode_)
        setCategoryMode(settings.categoryMode);
    if (settings.speedUnit != speedUnit_)
        setSpeedUnit(settings.speedUnit);
    if (settings.proximityMode != proximityMode_)
        setProximityMode(settings.proximityMode);
    if (settings.distanceUnit != distanceUnit_)
        setDistanceUnit(settings.distanceUnit);
    if (settings.fixedProximity != fixedProximity_)
        setFixedProximity(settings.fixedProximity);
    if (settings.iconSource != iconSource_)
        applyIconSource(settings.iconSource);
}

ProximitySettings InputFile::proximitySettings() const {
    return {proximityMode_, fixedProximity_, distanceUnit_};
}

POIView InputFile::effectivePOI(std::size_t position) const {
    return marklode::effectivePOI(contents_->pois[position], proximitySettings());
}

POIStore InputFile::effectivePOIs() const {
    return exportSnapshot().effectivePOIs();
}

Bytes InputFile::gpiData() const {
    return exportSnapshot().gpiData();
}

FileExport InputFile::exportSnapshot() const {
    return FileExport{categoryName_.toStdString(), icon_, proximitySettings(), contents_,
                      categoryMode_};
}

std::vector<CategoryCount> InputFile::exportedCategories() const {
    return exportedCategoryCounts(details_->categories, categoryMode_, categoryName_.toStdString());
}

QString InputFile::alertSummary(const POIView& poi) const {
    return alertSummary(poi, speedUnit_, distanceUnit_);
}

QString InputFile::alertSummary(const POIView& poi, SpeedUnit speedUnit,
                                DistanceUnit distanceUnit) {
    QStringList parts;
    if (poi.speedKmh) {
        bool mph = speedUnit == SpeedUnit::milesPerHour;
        parts << wholeNumber(mph ? *poi.speedKmh / kmhPerMph : *poi.speedKmh) +
                     (mph ? QStringLiteral(" mph") : QStringLiteral(" km/h"));
    }
    if (poi.proximityMeters) {
        bool feet = distanceUnit == DistanceUnit::feet;
        parts << wholeNumber(feet ? *poi.proximityMeters / metersPerFoot : *poi.proximityMeters) +
                     (feet ? QStringLiteral(" ft") : QStringLiteral(" m"));
    }
    return parts.join(QStringLiteral(", "));
}

std::vector<std::size_t> InputFile::filteredRows(std::string_view search) const {
    // A blank search is the empty needle, which every row holds.
    return contents_->search.matches(contents_->pois, searchNeedle(search).value_or(""));
}

} // namespace marklode
