#include "rules/UpdateMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"

namespace marklode {

namespace {

std::string withDetail(std::string_view sentence, const std::string& detail) {
    std::string text(sentence);
    if (!detail.empty())
        text += " (" + detail + ")";
    return text + ".";
}

std::string product(std::string_view version) {
    return "Marklode " + std::string(version);
}

} // namespace

std::string updateErrorMessage(const UpdateError& error) {
    switch (error.failure) {
    case UpdateFailure::insecureFeed:
        return "The update feed is not an https address, so it was not read.";
    case UpdateFailure::invalidPublicKey:
        return "This copy of Marklode has no valid release key, so no download could be verified.";
    case UpdateFailure::network:
        return withDetail("The update server couldn't be reached", error.detail);
    case UpdateFailure::timedOut:
        return "The update server didn't answer in time. Try again later.";
    case UpdateFailure::feedTooLarge:
        return "The update feed is too large to be a real one, so it was not read.";
    case UpdateFailure::malformedFeed:
        return withDetail("The update feed couldn't be read", error.detail);
    case UpdateFailure::lengthMismatch:
        return "The download was not the size the update feed announced, so it was deleted. "
               "Nothing was installed.";
    case UpdateFailure::signatureMismatch:
        return "The download is not signed with Marklode's release key, so it was deleted. "
               "Nothing was installed.";
    case UpdateFailure::cannotSave:
        return withDetail("The download couldn't be saved", error.detail);
    }
    return {};
}

UpdateDialogTexts checkingTexts() {
    return {"Checking for updates\u2026", ""};
}

UpdateDialogTexts upToDateTexts(std::string_view currentVersion) {
    return {"You're up to date", product(currentVersion) + " is the newest version available."};
}

UpdateDialogTexts updateAvailableTexts(std::string_view newVersion,
                                       std::string_view currentVersion) {
    return {product(newVersion) + " is available",
            "You have " + product(currentVersion) +
                ". The download is checked against Marklode's release key before it is kept."};
}

UpdateDialogTexts downloadingTexts(std::string_view newVersion) {
    return {"Downloading " + product(newVersion) + "\u2026", ""};
}

UpdateDialogTexts downloadVerifiedTexts(std::string_view newVersion, std::string_view fileName,
                                        std::string_view folder) {
    return {product(newVersion) + " is ready to install",
            "The download was verified and saved as " + curlyQuoted(fileName) + " in " +
                printable(folder) + "."};
}

UpdateDialogTexts checkFailedTexts(const UpdateError& error) {
    return {"Couldn't check for updates", updateErrorMessage(error)};
}

UpdateDialogTexts downloadFailedTexts(const UpdateError& error) {
    bool unverified = error.failure == UpdateFailure::signatureMismatch ||
                      error.failure == UpdateFailure::lengthMismatch;
    return {unverified ? "The update couldn't be verified" : "Couldn't download the update",
            updateErrorMessage(error)};
}

} // namespace marklode
