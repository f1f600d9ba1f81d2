#include "cli/InputPreparation.h"

#include "cli/Environment.h"
#include "cli/Printing.h"
#include "core/io/ReadFile.h"
#include "core/text/NumberSyntax.h"
#include "core/text/Translation.h"
#include "rules/CategoryIcons.h"
#include "rules/ExportSettings.h"
#include "rules/FileExport.h"
#include "rules/ProximityRule.h"
#include "rules/SidecarIcon.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace marklode::cli {

namespace {

std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<GPIWriter::TimePoint> timestampOption(const Arguments& args) {
    std::optional<std::string> text = args.value("timestamp");
    const char* origin = "--timestamp";
    if (!text) {
        // Reproducible builds fix the creation time through the environment.
        const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
        if (!epoch || !*epoch)
            return std::nullopt;
        text = epoch;
        origin = "SOURCE_DATE_EPOCH";
    }
    auto seconds = parseInteger(*text);
    if (!seconds)
        throw UsageError(formatted(
            //: %1 is --timestamp or SOURCE_DATE_EPOCH, where the value came from.
            translate("InputPreparation", "%1 must be a whole number of seconds since 1970"),
            {origin}));
    return GPIWriter::TimePoint(std::chrono::seconds(*seconds));
}

} // namespace

std::vector<OptionSpec> withConvertSettingOptions(std::initializer_list<OptionSpec> own) {
    std::vector<OptionSpec> options(own);
    options.insert(options.end(), {{"format", 0, true},
                                   {"category", 0, true},
                                   {"categories", 0, true},
                                   {"icon", 0, true},
                                   {"speed-unit", 0, true},
                                   {"proximity", 0, true},
                                   {"distance", 0, true},
                                   {"distance-unit", 0, true},
                                   {"timestamp", 0, true}});
    return options;
}

ConvertSettings convertSettings(const Arguments& args) {
    ConvertSettings settings;
    settings.format = formatOption(args);
    settings.speedUnit = speedUnitOption(args);
    std::string region = environmentRegion();
    settings.distanceUnit = defaultDistanceUnit(region);
    if (auto mode = args.value("proximity")) {
        if (*mode == "off")
            settings.proximityMode = ProximityMode::off;
        else if (*mode == "file")
            settings.proximityMode = ProximityMode::fromFile;
        else if (*mode == "fixed")
            settings.proximityMode = ProximityMode::fixed;
        else
            throw UsageError(
                translate("InputPreparation", "--proximity must be off, file or fixed"));
    }
    if (auto distance = args.value("distance")) {
        auto value = parseNumber(*distance);
        if (!value)
            throw UsageError(translate("InputPreparation", "--distance must be a number"));
        settings.fixedProximity = *value;
    }
    if (auto unit = args.value("distance-unit")) {
        if (*unit == "m")
            settings.distanceUnit = DistanceUnit::meters;
        else if (*unit == "ft")
            settings.distanceUnit = DistanceUnit::feet;
        else
            throw UsageError(translate("InputPreparation", "--distance-unit must be m or ft"));
    }
    // The setting is at fault, not the first POI the writer would meet with it.
    if (!isUsableFixedProximity(settings.fixedProximity, settings.distanceUnit))
        throw UsageError(
            settings.distanceUnit == DistanceUnit::feet
                ? translate("InputPreparation", "--distance must be from 0 to 215000 ft")
                : translate("InputPreparation", "--distance must be from 0 to 65535 m"));
    settings.categoryName = args.value("category");
    settings.categoryMode = categoryModeOption(args);
    settings.timestamp = timestampOption(args);
    if (auto icon = args.value("icon"))
        settings.icon = GPIIcon::contentsOf(*icon);
    return settings;
}

std::optional<ConvertSettings> convertSettingsOrReport(const Arguments& args, Streams& io) {
    try {
        return convertSettings(args);
    } catch (const UsageError&) {
        throw;
    } catch (...) {
        reportCurrentFailure(io, false);
        return std::nullopt;
    }
}

std::optional<PreparedInput> prepareInput(const std::string& path, const ConvertSettings& settings,
                                          Streams& io) {
    const InputKind kind = inputKind(path, settings.format);
    ImportResult result;
    try {
        result = importInput(path, kind, settings.speedUnit, io);
    } catch (...) {
        reportCurrentFailureOf(io, path);
        return std::nullopt;
    }
    printIssues(io, path, result);

    std::string categoryName = settings.categoryName.value_or(proposedCategoryName(path));
    std::optional<GPIIcon> icon = settings.icon;
    // Standard input has no folder to hold an icon beside it.
    if (!icon && path != standardInputName) {
        if (auto sidecar = findSidecarIcon(path)) {
            try {
                icon = GPIIcon::contentsOf(*sidecar);
            } catch (...) {
                // As in the application: the built-in icon is used and the reason is shown.
                reportCurrentFailureOf(io, sidecar->filename().string());
            }
        }
    }
    ProximitySettings proximity{settings.proximityMode.value_or(defaultProximityMode(kind)),
                                settings.fixedProximity, settings.distanceUnit};
    // The import is not kept, so its POIs are moved into the categories rather than copied.
    std::vector<GPICategory> categories = exportedCategories(
        categoryName, icon, proximity, std::move(result.pois),
        categoryMode(kind, settings.categoryMode), categoryIcons(result.categoryImages));
    return PreparedInput{path, std::move(categoryName), std::move(icon), std::move(categories)};
}

std::size_t PreparedInput::poiCount() const {
    std::size_t count = 0;
    for (const GPICategory& category : categories)
        count += category.pois.size();
    return count;
}

std::vector<GPICategory> categoriesOf(const std::vector<std::string>& inputs,
                                      const ConvertSettings& settings, Streams& io, bool& failed) {
    std::vector<GPICategory> categories;
    for (const std::string& input : inputs) {
        auto prepared = prepareInput(input, settings, io);
        if (!prepared) {
            failed = true;
            continue;
        }
        for (GPICategory& category : prepared->categories)
            if (!category.pois.empty())
                categories.push_back(std::move(category));
    }
    return categories;
}

} // namespace marklode::cli
