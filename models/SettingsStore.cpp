#include "models/SettingsStore.h"

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
    const bool imperial = usesImperialUnits(localeName_);
    ExportDefaults settings;

    // Texts are compared exactly: "Fixed" is not "fixed".
    QString speed = defaults_->value(speedUnitKey).toString();
    if (speed == QStringLiteral("mph"))
        settings.speedUnit = SpeedUnit::milesPerHour;
    else if (speed == QStringLiteral("kmh"))
        settings.speedUnit = SpeedUnit::kilometersPerHour;
    else
        settings.speedUnit = imperial ? SpeedUnit::milesPerHour : SpeedUnit::kilometersPerHour;

    QString mode = defaults_->value(proximityModeKey).toString();
    if (mode == QStringLiteral("off"))
        settings.proximityMode = ProximityMode::off;
    else if (mode == QStringLiteral("fixed"))
        settings.proximityMode = ProximityMode::fixed;
    else
        settings.proximityMode = ProximityMode::fromFile;

    QString distance = defaults_->value(distanceUnitKey).toString();
    if (distance == QStringLiteral("meters"))
        settings.distanceUnit = DistanceUnit::meters;
    else if (distance == QStringLiteral("feet"))
        settings.distanceUnit = DistanceUnit::feet;
    else
        settings.distanceUnit = imperial ? DistanceUnit::feet : DistanceUnit::meters;

    // A distance a .gpi can't hold, remembered by an older release, would fail every save.
    bool isNumber = false;
    double fixed = defaults_->value(fixedProximityKey).toDouble(&isNumber);
    settings.fixedProximity = isNumber && isUsableFixedProximity(fixed, settings.distanceUnit)
                                  ? fixed
                                  : defaultFixedProximity;
    return settings;
}

void SettingsStore::save(const ExportDefaults& settings) {
    defaults_->setValue(speedUnitKey, speedUnitText(settings.speedUnit));
    defaults_->setValue(proximityModeKey, proximityModeText(settings.proximityMode));
    defaults_->setValue(distanceUnitKey, distanceUnitText(settings.distanceUnit));
    if (isUsableFixedProximity(settings.fixedProximity, settings.distanceUnit))
        defaults_->setValue(fixedProximityKey, settings.fixedProximity);
}

} // namespace marklode
