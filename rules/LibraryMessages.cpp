#include "rules/LibraryMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"

namespace marklode {

namespace {

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

} // namespace

std::string ignoredFilesMessage(const std::vector<std::string>& fileNames) {
    std::vector<std::string> shown;
    for (const std::string& name : fileNames)
        shown.push_back(printable(name));
    return "Only .csv and .gpx files can be added. Ignored: " + joined(shown, ", ") + ".";
}

std::string fixedProximityRangeMessage(DistanceUnit unit) {
    return std::string("The distance for ") + curlyQuoted("One distance for all") +
           " must be from 0 to " + (unit == DistanceUnit::feet ? "215,000 ft." : "65,535 m.");
}

std::string fileProblemLine(std::string_view fileName, std::string_view problem) {
    return printable(fileName) + ": " + std::string(problem);
}

std::string saveStatusMessage(std::size_t written, std::size_t skipped, bool cancelled) {
    std::vector<std::string> parts;
    if (written > 0)
        parts.push_back("Saved " + std::to_string(written) + (written == 1 ? " file." : " files."));
    if (skipped > 0)
        parts.push_back("Skipped " + std::to_string(skipped) + ".");
    if (cancelled)
        parts.push_back("Cancelled.");
    return joined(parts, " ");
}

std::string saveFailuresMessage(const std::vector<std::string>& lines) {
    return "Some files could not be saved:\n\n" + joined(lines, "\n");
}

ReplacePromptTexts replacePromptTexts(std::string_view fileName) {
    return ReplacePromptTexts{
        curlyQuoted(fileName) + " already exists.",
        "Do you want to replace it? This can't be undone.",
        "Replace",
        "Skip",
        "Stop Saving",
    };
}

std::string cannotReadTitle(std::string_view fileName) {
    return "Can't Read " + printable(fileName);
}

std::string sidecarIconText(std::string_view iconFileName) {
    return "Found " + printable(iconFileName) + " next to the file";
}

std::string mapSampleCaption(std::int64_t shown, std::int64_t total, const CountFormat& count) {
    return "Showing " + count(shown) + " of " + count(total) + " POIs on the map.";
}

} // namespace marklode
