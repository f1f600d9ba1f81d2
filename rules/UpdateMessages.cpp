#include "rules/UpdateMessages.h"

#include "core/text/CurlyQuotes.h"
#include "core/text/PrintableText.h"
#include "core/text/Translation.h"

namespace marklode {

namespace {

// The sentence with the detail the cause gave in parentheses, or without when it gave none.
std::string withDetail(std::string_view bare, std::string_view detailed,
                       const std::string& detail) {
    return detail.empty() ? std::string(bare) : formatted(detailed, {detail});
}

std::string product(std::string_view version) {
    return "Marklode " + std::string(version);
}

} // namespace

std::string updateErrorMessage(const UpdateError& error) {
    switch (error.failure) {
    case UpdateFailure::insecureFeed:
        return translate("UpdateMessages",
                         "The update feed is not an https address, so it was not read.");
    case UpdateFailure::invalidPublicKey:
        return translate(
            "UpdateMessages",
            "This copy of Marklode has no valid release key, so no download could be verified.");
    case UpdateFailure::network:
        return withDetail(
            translate("UpdateMessages", "The update server couldn't be reached."),
            //: %1 is the network's own description of the fault.
            translate("UpdateMessages", "The update server couldn't be reached (%1)."),
            error.detail);
    case UpdateFailure::timedOut:
        return translate("UpdateMessages",
                         "The update server didn't answer in time. Try again later.");
    case UpdateFailure::feedTooLarge:
        return translate("UpdateMessages",
                         "The update feed is too large to be a real one, so it was not read.");
    case UpdateFailure::malformedFeed:
        return withDetail(translate("UpdateMessages", "The update feed couldn't be read."),
                          //: %1 says what in the feed could not be read.
                          translate("UpdateMessages", "The update feed couldn't be read (%1)."),
                          error.detail);
    case UpdateFailure::lengthMismatch:
        return translate("UpdateMessages",
                         "The download was not the size the update feed announced, so it was "
                         "deleted. Nothing was installed.");
    case UpdateFailure::signatureMismatch:
        return translate("UpdateMessages",
                         "The download is not signed with Marklode's release key, so it was "
                         "deleted. Nothing was installed.");
    case UpdateFailure::cannotSave:
        return withDetail(translate("UpdateMessages", "The download couldn't be saved."),
                          //: %1 is the file system's own description of the fault.
                          translate("UpdateMessages", "The download couldn't be saved (%1)."),
                          error.detail);
    }
    return {};
}

UpdateDialogTexts checkingTexts() {
    return {translate("UpdateMessages", "Checking for updates\u2026"), ""};
}

UpdateDialogTexts upToDateTexts(std::string_view currentVersion) {
    return {translate("UpdateMessages", "You're up to date"),
            //: %1 is the product's name and version, e.g. "Marklode 1.4".
            formatted(translate("UpdateMessages", "%1 is the newest version available."),
                      {product(currentVersion)})};
}

UpdateDialogTexts updateAvailableTexts(std::string_view newVersion,
                                       std::string_view currentVersion) {
    return {formatted(translate("UpdateMessages", "%1 is available"), {product(newVersion)}),
            formatted(translate("UpdateMessages",
                                "You have %1. The download is checked against Marklode's release "
                                "key before it is kept."),
                      {product(currentVersion)})};
}

UpdateDialogTexts downloadingTexts(std::string_view newVersion) {
    return {formatted(translate("UpdateMessages", "Downloading %1\u2026"), {product(newVersion)}),
            ""};
}

UpdateDialogTexts downloadVerifiedTexts(std::string_view newVersion, std::string_view fileName,
                                        std::string_view folder) {
    return {
        formatted(translate("UpdateMessages", "%1 is ready to install"), {product(newVersion)}),
        //: %1 is the file's name, %2 the folder it was saved in.
        formatted(translate("UpdateMessages", "The download was verified and saved as %1 in %2."),
                  {curlyQuoted(fileName), printable(folder)})};
}

UpdateDialogTexts checkFailedTexts(const UpdateError& error) {
    return {translate("UpdateMessages", "Couldn't check for updates"), updateErrorMessage(error)};
}

UpdateDialogTexts downloadFailedTexts(const UpdateError& error) {
    bool unverified = error.failure == UpdateFailure::signatureMismatch ||
                      error.failure == UpdateFailure::lengthMismatch;
    return {unverified ? translate("UpdateMessages", "The update couldn't be verified")
                       : translate("UpdateMessages", "Couldn't download the update"),
            updateErrorMessage(error)};
}

std::string checkForUpdatesMenuText() {
    return translate("UpdateMessages", "Check for Updates\u2026");
}

std::string updateDialogTitle() {
    return translate("UpdateMessages", "Software Update");
}

std::string downloadButtonText() {
    return translate("UpdateMessages", "Download");
}

std::string notNowButtonText() {
    return translate("UpdateMessages", "Not Now");
}

std::string cancelButtonText() {
    return translate("UpdateMessages", "Cancel");
}

std::string closeButtonText() {
    return translate("UpdateMessages", "Close");
}

std::string openInstallerButtonText() {
    return translate("UpdateMessages", "Open with Package Installer");
}

std::string showInFileManagerButtonText() {
    return translate("UpdateMessages", "Show in File Manager");
}

std::string releaseNotesLinkText() {
    return translate("UpdateMessages", "Release Notes");
}

} // namespace marklode
