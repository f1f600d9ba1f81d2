#pragma once

#include "rules/CountFormat.h"
#include "rules/ExportSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marklode {

// "Only .csv and .gpx files can be added. Ignored: notes.txt, x.doc."
std::string ignoredFilesMessage(const std::vector<std::string>& fileNames);

// Files or folders were given, but none of them held an input file.
std::string noInputFilesMessage();

// "stops.csv: The file no longer exists." One file's problem in an alert or a list.
std::string fileProblemLine(std::string_view fileName, std::string_view problem);

// "Saved 3 files. Skipped 1. Cancelled." for the status line; empty when nothing happened.
std::string saveStatusMessage(std::size_t written, std::size_t skipped, bool cancelled);

// The alert that lists the files that could not be saved, one fileProblemLine each.
std::string saveFailuresMessage(const std::vector<std::string>& lines);

// The prompt before a save-all replaces an existing file; the buttons in the order shown.
struct ReplacePromptTexts {
    std::string message;
    std::string informativeText;
    std::string replaceButton;
    std::string skipButton;
    std::string stopButton;
    bool operator==(const ReplacePromptTexts&) const = default;
};
ReplacePromptTexts replacePromptTexts(std::string_view fileName);

// The range of "One distance for all", for the field that refuses more and for a save that
// finds more: "The distance for “One distance for all” must be from 0 to 65,535 m."
std::string fixedProximityRangeMessage(DistanceUnit unit);

// The detail view's title for a file that could not be read: "Can't Read stops.csv".
std::string cannotReadTitle(std::string_view fileName);

// The icon row's source: "Found stops.bmp next to the file".
std::string sidecarIconText(std::string_view iconFileName);

// Over a map that shows a sample of a large file's rows: "Showing 2,000 of 5,000 POIs on the
// map."
std::string mapSampleCaption(std::int64_t shown, std::int64_t total, const CountFormat& count);

} // namespace marklode
