#include "rules/LibraryMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"
#include "core/text/Translation.h"

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
    //: %1 lists the names of the files, separated by commas.
    return formatted(
        translate("LibraryMessages", "Only .csv and .gpx files can be added. Ignored: %1."),
        {joined(shown, ", ")});
}

std::string noInputFilesMessage() {
    return translate("LibraryMessages", "No .csv or .gpx files were found in the folder.");
}

std::string fixedProximityRangeMessage(DistanceUnit unit) {
    //: The name of the choice in the list of proximity alerts, which the sentences below quote.
    std::string choice = curlyQuoted(translate("LibraryMessages", "One distance for all"));
    // The largest distance stays in the text, for the translator to write it as the language
    // groups its digits.
    return formatted(
        unit == DistanceUnit::feet
            ? translate("LibraryMessages", "The distance for %1 must be from 0 to 215,000 ft.")
            : translate("LibraryMessages", "The distance for %1 must be from 0 to 65,535 m."),
        {choice});
}

std::string fileProblemLine(std::string_view fileName, std::string_view problem) {
    //: %1 is a file's name, %2 what went wrong with it.
    return formatted(translate("LibraryMessages", "%1: %2"), {printable(fileName), problem});
}

std::string saveStatusMessage(std::size_t written, std::size_t skipped, bool cancelled) {
    std::vector<std::string> sentences;
    if (written > 0)
        sentences.push_back(
            translate("LibraryMessages", "Saved %n files.", nullptr, pluralCount(written)));
    if (skipped > 0)
        //: The number of files not saved, after "Saved %n files." when some were.
        sentences.push_back(
            translate("LibraryMessages", "Skipped %n.", nullptr, pluralCount(skipped)));
    if (cancelled)
        sentences.push_back(translate("LibraryMessages", "Cancelled."));
    return joined(sentences, " ");
}

std::string saveFailuresMessage(const std::vector<std::string>& lines) {
    return formatted(translate("LibraryMessages", "Some files could not be saved:\n\n%1"),
                     {joined(lines, "\n")});
}

ReplacePromptTexts replacePromptTexts(std::string_view fileName) {
    return ReplacePromptTexts{
        formatted(translate("LibraryMessages", "%1 already exists."), {curlyQuoted(fileName)}),
        translate("LibraryMessages", "Do you want to replace it? This can't be undone."),
        translate("LibraryMessages", "Replace"),
        translate("LibraryMessages", "Skip"),
        translate("LibraryMessages", "Stop Saving"),
    };
}

std::string cannotReadTitle(std::string_view fileName) {
    return formatted(translate("LibraryMessages", "Can't Read %1"), {printable(fileName)});
}

std::string sidecarIconText(std::string_view iconFileName) {
    //: %1 is the name of the image file the icon was taken from.
    return formatted(translate("LibraryMessages", "Found %1 next to the file"),
                     {printable(iconFileName)});
}

std::string mapSampleCaption(std::int64_t shown, std::int64_t total, const CountFormat& count) {
    //: %1 is the number of POIs shown, %2 the number of all the file's POIs.
    return formatted(translate("LibraryMessages", "Showing %1 of %2 POIs on the map.", nullptr,
                               pluralCount(total)),
                     {count(shown), count(total)});
}

} // namespace marklode
