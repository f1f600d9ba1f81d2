#pragma once

#include "app/ExportSettings.h"
#include "core/import/SpeedUnit.h"

#include <QLocale>
#include <QSettings>
#include <memory>

namespace marklode {

// The four settings of a file that become the defaults for the next file.
struct ExportDefaults {
    SpeedUnit speedUnit = SpeedUnit::kilometersPerHour;
    ProximityMode proximityMode = ProximityMode::fromFile;
    DistanceUnit distanceUnit = DistanceUnit::meters;
    double fixedProximity = defaultFixedProximity;
    bool operator==(const ExportDefaults&) const = default;
};

// The per-user defaults for new files, kept across launches. Every load reads the preferences
// afresh and every save overwrites all four keys.
class SettingsStore {
  public:
    // The user's own preferences file and the current locale.
    SettingsStore();
    SettingsStore(std::unique_ptr<QSettings> defaults, QLocale locale);

    ExportDefaults load() const;
    void save(const ExportDefaults& settings);

    // Miles per hour and feet exactly when the locale's region is the United States.
    static bool usesImperialUnits(const QLocale& locale);

  private:
    std::unique_ptr<QSettings> defaults_;
    QLocale locale_;
};

} // namespace marklode
