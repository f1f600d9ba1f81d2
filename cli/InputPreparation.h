#pragma once

#include "cli/Command.h"
#include "cli/CommonOptions.h"
#include "core/gpi/GPIIcon.h"
#include "core/gpi/GPIWriter.h"
#include "rules/ProximityRule.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace marklode::cli {

// The options shared by convert and send, as the application's per-file settings.
struct ConvertSettings {
    std::optional<InputKind> format; // absent: each input's by its name
    SpeedUnit speedUnit = SpeedUnit::kilometersPerHour;
    std::optional<ProximityMode> proximityMode; // absent: by the input's kind
    double fixedProximity = defaultFixedProximity;
    DistanceUnit distanceUnit = DistanceUnit::meters;
    std::optional<std::string> categoryName;
    std::optional<CategoryMode> categoryMode; // absent: by the input's kind
    std::optional<GPIIcon> icon;              // from --icon, which must be usable
    std::optional<GPIWriter::TimePoint> timestamp;
};

// A command's own options followed by those read by convertSettings.
std::vector<OptionSpec> withConvertSettingOptions(std::initializer_list<OptionSpec> own);

// Throws UsageError for malformed options, and what GPIIcon throws for an unusable --icon.
ConvertSettings convertSettings(const Arguments& args);

// convertSettings, with an unusable --icon reported on standard error (nothing returned);
// UsageError passes through.
std::optional<ConvertSettings> convertSettingsOrReport(const Arguments& args, Streams& io);

// One input as the application writes it: its categories, with the effective POIs and the
// icons, and the name and icon of its own file.
struct PreparedInput {
    std::string path;
    std::string categoryName;
    std::optional<GPIIcon> icon;
    std::vector<GPICategory> categories;

    std::size_t poiCount() const;
};

// Imports the input and applies the settings. Skipped rows and an unusable sidecar icon are
// warnings on standard error; an import failure is printed there too and gives nothing.
std::optional<PreparedInput> prepareInput(const std::string& path, const ConvertSettings& settings,
                                          Streams& io);

// The categories of every input that imports, those with POIs, inputs in argument order, as the
// application's library offers them for a device. Inputs that fail are reported and set `failed`.
std::vector<GPICategory> categoriesOf(const std::vector<std::string>& inputs,
                                      const ConvertSettings& settings, Streams& io, bool& failed);

} // namespace marklode::cli
