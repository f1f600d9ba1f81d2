#include "models/SettingsStore.h"

#include "models/QtText.h"
#include "rules/LocaleRegion.h"
#include "rules/ProximityRule.h"

namespace marklode {

namespace {

const QString speedUnitKey = QStringLiteral("speedUnit");
const QString proximityModeKey = QStringLiteral("proximityMode");
const QString distanceUnitKey = QStringLiteral("distanceUnit");
const QString fixedProximityKey = QStringLiteral("fixedProximity");

QString speedUnitText(SpeedUnit unit) {
    return unit == SpeedUnit::milesPerHour ? QStringLiteral("mph") : QStringLiteral("kmh");
}

QString proximityModeText(ProximityMode mode) {
    switch (mode) {
    case ProximityMode::off:
        return QStringLiteral("off");
    case ProximityMode::fixed:
        return QStringLiteral("fixed");
    case ProximityMode::fromFile:
        break;
    }
    return QStringLiteral("fromFile");
}

QString distanceUnitText(DistanceUnit unit) {
    return unit == DistanceUnit::feet ? QStringLiteral("feet") : QStringLiteral("meters");
}

const QString filesKey = QStringLiteral("library/files");
const QString recentKey = QStringLiteral("library/recentlyAdded");
const QString selectedFileKey = QStringLiteral("library/selected");
const QString pathKey = QStringLiteral("path");
const QString categoryNameKey = QStringLiteral("categoryName");
const QString iconKey = QStringLiteral("icon");
const QString iconPathKey = QStringLiteral("iconPath");

QString iconKindText(IconSource::Kind kind) {
    switch (kind) {
    case IconSource::Kind::custom:
        return QStringLiteral("custom");
    case IconSource::Kind::sidecar:
        return QStringLiteral("sidecar");
    case IconSource::Kind::builtIn:
        break;
    }
    return QStringLiteral("builtIn");
}

// The four unit settings in the settings' current group; a value that isn't one of the texts
// written falls back to the region's or the program's default.
ExportDefaults readDefaults(const QSettings& stored, bool imperial) {
    ExportDefaults settings;

    // Texts are compared exactly: "Fixed" is not "fixed".
    QString speed = stored.value(speedUnitKey).toString();
    if (speed == QStringLiteral("mph"))
        settings.speedUnit = SpeedUnit::milesPerHour;
    else if (speed == QStringLiteral("kmh"))
        settings.speedUnit = SpeedUnit::kilometersPerHour;
    else
        settings.speedUnit = imperial ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour;

    QString mode = stored.value(proximityModeKey).toString();
    if (mode == QStringLiteral("off"))
        settings.proximityMode = ProximityMode::off;
    else if (mode == QStringLiteral("fixed"))
        settings.proximityMode = ProximityMode::fixed;
    else
        settings.proximityMode = ProximityMode::fromFile;

    QString distance = stored.value(distanceUnitKey).toString();
    if (distance == QStringLiteral("meters"))
        settings.distanceUnit = DistanceUnit::meters;
    else if (distance == QStringLiteral("feet"))
        settings.distanceUnit = DistanceUnit::feet;
    else
        settings.distanceUnit = imperial ? DistanceUnit::feet : DistanceUnit::meters;

    // A distance a .gpi can't hold, remembered by an older release, would fail every save.
    bool isNumber = false;
    double fixed = stored.value(fixedProximityKey).toDouble(&isNumber);
    settings.fixedProximity = isNumber && isUsableFixedProximity(fixed, settings.distanceUnit)
                                  ? fixed
                                  : defaultFixedProximity;
    return settings;
}

void writeDefaults(QSettings& stored, const ExportDefaults& settings) {
    stored.setValue(speedUnitKey, speedUnitText(settings.speedUnit));
    stored.setValue(proximityModeKey, proximityModeText(settings.proximityMode));
    stored.setValue(distanceUnitKey, distanceUnitText(settings.distanceUnit));
    if (isUsableFixedProximity(settings.fixedProximity, settings.distanceUnit))
        stored.setValue(fixedProximityKey, settings.fixedProximity);
}

} // namespace

// The program's own preferences file, named by the organisation and application, not by the
// desktop's application id: it stays where every earlier build kept the user's defaults.
SettingsStore::SettingsStore()
    : SettingsStore(
          std::make_unique<QSettings>(QStringLiteral("Marklode"), QStringLiteral("Marklode")),
          measurementLocaleName()) {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> defaults, std::string localeName)
    : defaults_(std::move(defaults)), localeName_(std::move(localeName)) {}

bool SettingsStore::usesImperialUnits(std::string_view localeName) {
    return regionUsesImperialUnits(regionOfLocaleName(localeName));
}

bool SettingsStore::usesImperialUnits(const QLocale& locale) {
    if (locale.territory() == QLocale::AnyTerritory)
        return false;
    return regionUsesImperialUnits(QLocale::territoryToCode(locale.territory()).toStdString());
}

ExportDefaults SettingsStore::load() const {
    return readDefaults(*defaults_, usesImperialUnits(localeName_));
}

void SettingsStore::save(const ExportDefaults& settings) {
    writeDefaults(*defaults_, settings);
}

SavedLibrary SettingsStore::loadLibrary() const {
    SavedLibrary library;
    const bool imperial = usesImperialUnits(localeName_);
    int count = defaults_->beginReadArray(filesKey);
    for (int index = 0; index < count; ++index) {
        defaults_->setArrayIndex(index);
        QString path = defaults_->value(pathKey).toString();
        if (path.isEmpty())
            continue;
        ExportDefaults units = readDefaults(*defaults_, imperial);
        FileSettings settings{defaults_->value(categoryNameKey).toString(),
                              units.speedUnit,
                              units.proximityMode,
                              units.distanceUnit,
                              units.fixedProximity,
                              {}};
        QString icon = defaults_->value(iconKey).toString();
        Path iconPath = defaults_->value(iconPathKey).toString().toStdString();
        if (icon == QStringLiteral("custom") && !iconPath.empty())
            settings.iconSource = IconSource::custom(iconPath);
        else if (icon == QStringLiteral("sidecar") && !iconPath.empty())
            settings.iconSource = IconSource::sidecar(iconPath);
        library.files.push_back({path.toStdString(), std::move(settings)});
    }
    defaults_->endArray();
    bool isNumber = false;
    int selected = defaults_->value(selectedFileKey).toInt(&isNumber);
    if (isNumber && selected >= 0 && static_cast<std::size_t>(selected) < library.files.size())
        library.selected = static_cast<std::size_t>(selected);
    return library;
}

void SettingsStore::saveLibrary(const SavedLibrary& library) {
    defaults_->remove(filesKey);
    defaults_->beginWriteArray(filesKey, static_cast<int>(library.files.size()));
    for (std::size_t index = 0; index < library.files.size(); ++index) {
        const ListedFile& file = library.files[index];
        defaults_->setArrayIndex(static_cast<int>(index));
        defaults_->setValue(pathKey, fromUtf8(file.url.string()));
        defaults_->setValue(categoryNameKey, file.settings.categoryName);
        writeDefaults(*defaults_, {file.settings.speedUnit, file.settings.proximityMode,
                                   file.settings.distanceUnit, file.settings.fixedProximity});
        const IconSource& icon = file.settings.iconSource;
        defaults_->setValue(iconKey, iconKindText(icon.kind));
        defaults_->setValue(iconPathKey, fromUtf8(icon.url.string()));
    }
    defaults_->endArray();
    if (library.selected)
        defaults_->setValue(selectedFileKey, static_cast<int>(*library.selected));
    else
        defaults_->remove(selectedFileKey);
}

std::vector<Path> SettingsStore::loadRecentlyAdded() const {
    std::vector<Path> paths;
    for (const QString& path : defaults_->value(recentKey).toStringList())
        if (!path.isEmpty())
            paths.emplace_back(path.toStdString());
    return paths;
}

void SettingsStore::saveRecentlyAdded(const std::vector<Path>& paths) {
    QStringList texts;
    for (const Path& path : paths)
        texts << fromUtf8(path.string());
    defaults_->setValue(recentKey, texts);
}

} // namespace marklode
