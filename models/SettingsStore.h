#pragma once

#include "core/import/SpeedUnit.h"
#include "models/FileSettings.h"
#include "rules/ExportSettings.h"

#include <QLocale>
#include <QSettings>
#include <memory>
#include <string>
#include <string_view>

namespace marklode {

// The four settings of a file that become the defaults for the next file.
struct ExportDefaults {
    SpeedUnit speedUnit = SpeedUnit::kilometersPerHour;
    ProximityMode proximityMode = ProximityMode::fromFile;
    DistanceUnit distanceUnit = DistanceUnit::meters;
    double fixedProximity = defaultFixedProximity;
    bool operator==(const ExportDefaults&) const = default;
};

// The per-user defaults for new files and the library as the user left it, kept across
// launches. Every load reads the preferences afresh and every save overwrites what it holds.
class SettingsStore {
  public:
    // The user's own preferences file and the locale named in the environment.
    SettingsStore();
    // The locale by its POSIX name ("en_US.UTF-8"), which tells whether it names a region.
    SettingsStore(std::unique_ptr<QSettings> defaults, std::string localeName);

    ExportDefaults load() const;
    void save(const ExportDefaults& settings);

    // The library is kept in a file of its own beside the preferences: it may list thousands of
    // files, so it is written whole, atomically, and off the main thread. Settings that can't be
    // read back as any of their values are the defaults instead.
    SavedLibrary loadLibrary() const;
    // Callable from any thread, one call at a time; false when the file could not be written.
    bool saveLibrary(const SavedLibrary& library) const;
    std::vector<Path> loadRecentlyAdded() const;
    void saveRecentlyAdded(const std::vector<Path>& paths);

    // Miles per hour and feet exactly when the locale's region is the United States; a name
    // without a region ("en", "C") is not.
    static bool usesImperialUnits(std::string_view localeName);
    // The same for a locale made by Qt, which fills in the likely region for a bare language
    // ("en" reads as en_US); callers that know the locale's name pass that instead.
    static bool usesImperialUnits(const QLocale& locale);

  private:
    std::unique_ptr<QSettings> defaults_;
    std::string localeName_;
    Path libraryFile_;
};

} // namespace marklode
