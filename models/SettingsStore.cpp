#include "models/SettingsStore.h"

#include "models/QtText.h"
#include "rules/InputKind.h"
#include "rules/LocaleRegion.h"
#include "rules/ProximityRule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <functional>

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

const QString filesKey = QStringLiteral("files");
const QString recentKey = QStringLiteral("library/recentlyAdded");
const QString selectedFileKey = QStringLiteral("selected");
const QString pathKey = QStringLiteral("path");
const QString categoryNameKey = QStringLiteral("categoryName");
const QString categoryModeKey = QStringLiteral("categoryMode");
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

QString categoryModeText(CategoryMode mode) {
    return mode == CategoryMode::fromFile ? QStringLiteral("fromFile")
                                          : QStringLiteral("oneForFile");
}

// Lists saved before files could be split by category have no mode; they get the kind's.
CategoryMode readCategoryMode(const QString& text, const Path& file) {
    if (text == QStringLiteral("fromFile"))
        return CategoryMode::fromFile;
    if (text == QStringLiteral("oneForFile"))
        return CategoryMode::oneForFile;
    return defaultCategoryMode(inputKindOf(file));
}

using Lookup = std::function<QVariant(const QString& key)>;
using Store = std::function<void(const QString& key, const QVariant& value)>;

// The four unit settings; a value that isn't one of the texts written falls back to the
// region's or the program's default.
ExportDefaults readDefaults(const Lookup& stored, bool imperial) {
    ExportDefaults settings;

    // Texts are compared exactly: "Fixed" is not "fixed".
    QString speed = stored(speedUnitKey).toString();
    if (speed == QStringLiteral("mph"))
        settings.speedUnit = SpeedUnit::milesPerHour;
    else if (speed == QStringLiteral("kmh"))
        settings.speedUnit = SpeedUnit::kilometersPerHour;
    else
        settings.speedUnit = imperial ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour;

    QString mode = stored(proximityModeKey).toString();
    if (mode == QStringLiteral("off"))
        settings.proximityMode = ProximityMode::off;
    else if (mode == QStringLiteral("fixed"))
        settings.proximityMode = ProximityMode::fixed;
    else
        settings.proximityMode = ProximityMode::fromFile;

    QString distance = stored(distanceUnitKey).toString();
    if (distance == QStringLiteral("meters"))
        settings.distanceUnit = DistanceUnit::meters;
    else if (distance == QStringLiteral("feet"))
        settings.distanceUnit = DistanceUnit::feet;
    else
        settings.distanceUnit = imperial ? DistanceUnit::feet : DistanceUnit::meters;

    // A distance a .gpi can't hold, remembered by an older release, would fail every save.
    bool isNumber = false;
    double fixed = stored(fixedProximityKey).toDouble(&isNumber);
    settings.fixedProximity = isNumber && isUsableFixedProximity(fixed, settings.distanceUnit)
                                  ? fixed
                                  : defaultFixedProximity;
    return settings;
}

void writeDefaults(const Store& store, const ExportDefaults& settings) {
    store(speedUnitKey, speedUnitText(settings.speedUnit));
    store(proximityModeKey, proximityModeText(settings.proximityMode));
    store(distanceUnitKey, distanceUnitText(settings.distanceUnit));
    if (isUsableFixedProximity(settings.fixedProximity, settings.distanceUnit))
        store(fixedProximityKey, settings.fixedProximity);
}

// Beside the preferences, under the same base name.
Path libraryFileBeside(const QSettings& preferences) {
    QFileInfo file(preferences.fileName());
    return (file.absolutePath() + QStringLiteral("/") + file.completeBaseName() +
            QStringLiteral("-library.json"))
        .toStdString();
}

} // namespace

// The program's own preferences file, named by the organisation and application, not by the
// desktop's application id: it stays where every earlier build kept the user's defaults.
SettingsStore::SettingsStore()
    : SettingsStore(
          std::make_unique<QSettings>(QStringLiteral("Marklode"), QStringLiteral("Marklode")),
          measurementLocaleName()) {}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> defaults, std::string localeName)
    : defaults_(std::move(defaults)), localeName_(std::move(localeName)),
      libraryFile_(libraryFileBeside(*defaults_)) {}

bool SettingsStore::usesImperialUnits(std::string_view localeName) {
    return regionUsesImperialUnits(regionOfLocaleName(localeName));
}

bool SettingsStore::usesImperialUnits(const QLocale& locale) {
    if (locale.territory() == QLocale::AnyTerritory)
        return false;
    return regionUsesImperialUnits(QLocale::territoryToCode(locale.territory()).toStdString());
}

ExportDefaults SettingsStore::load() const {
    return readDefaults([this](const QString& key) { return defaults_->value(key); },
                        usesImperialUnits(localeName_));
}

void SettingsStore::save(const ExportDefaults& settings) {
    writeDefaults(
        [this](const QString& key, const QVariant& value) { defaults_->setValue(key, value); },
        settings);
}

SavedLibrary SettingsStore::loadLibrary() const {
    SavedLibrary library;
    QFile file(fromUtf8(libraryFile_.string()));
    if (!file.open(QIODevice::ReadOnly))
        return library;
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    const bool imperial = usesImperialUnits(localeName_);
    for (const QJsonValue& entry : saved.value(filesKey).toArray()) {
        const QJsonObject stored = entry.toObject();
        QString path = stored.value(pathKey).toString();
        if (path.isEmpty())
            continue;
        ExportDefaults units = readDefaults(
            [&](const QString& key) { return stored.value(key).toVariant(); }, imperial);
        FileSettings settings{
            stored.value(categoryNameKey).toString(),
            readCategoryMode(stored.value(categoryModeKey).toString(), path.toStdString()),
            units.speedUnit,
            units.proximityMode,
            units.distanceUnit,
            units.fixedProximity,
            {}};
        QString icon = stored.value(iconKey).toString();
        Path iconPath = stored.value(iconPathKey).toString().toStdString();
        if (icon == QStringLiteral("custom") && !iconPath.empty())
            settings.iconSource = IconSource::custom(iconPath);
        else if (icon == QStringLiteral("sidecar") && !iconPath.empty())
            settings.iconSource = IconSource::sidecar(iconPath);
        library.files.push_back({path.toStdString(), std::move(settings)});
    }
    int selected = saved.value(selectedFileKey).toInt(-1);
    if (selected >= 0 && static_cast<std::size_t>(selected) < library.files.size())
        library.selected = static_cast<std::size_t>(selected);
    return library;
}

bool SettingsStore::saveLibrary(const SavedLibrary& library) const {
    QJsonArray files;
    for (const ListedFile& listed : library.files) {
        QJsonObject stored{{pathKey, fromUtf8(listed.url.string())},
                           {categoryNameKey, listed.settings.categoryName},
                           {categoryModeKey, categoryModeText(listed.settings.categoryMode)},
                           {iconKey, iconKindText(listed.settings.iconSource.kind)},
                           {iconPathKey, fromUtf8(listed.settings.iconSource.url.string())}};
        writeDefaults(
            [&](const QString& key, const QVariant& value) {
                stored.insert(key, QJsonValue::fromVariant(value));
            },
            {listed.settings.speedUnit, listed.settings.proximityMode, listed.settings.distanceUnit,
             listed.settings.fixedProximity});
        files.append(stored);
    }
    QJsonObject saved{{filesKey, files}};
    if (library.selected)
        saved.insert(selectedFileKey, static_cast<int>(*library.selected));
    QDir().mkpath(QFileInfo(fromUtf8(libraryFile_.string())).absolutePath());
    QSaveFile file(fromUtf8(libraryFile_.string()));
    return file.open(QIODevice::WriteOnly) &&
           file.write(QJsonDocument(saved).toJson(QJsonDocument::Compact)) >= 0 && file.commit();
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
