#pragma once

#include <string>
#include <string_view>

namespace marklode {

// Why an update check or download ended without an update to offer.
enum class UpdateFailure {
    insecureFeed,      // the feed address is not https
    invalidPublicKey,  // the build's release key is not 32 bytes of base64
    network,           // detail: the network's own description
    timedOut,          // the server stopped answering
    feedTooLarge,      // more bytes than any real feed holds
    malformedFeed,     // detail: what the reader stumbled on
    lengthMismatch,    // the download is not the size the feed announced; deleted
    signatureMismatch, // the download does not carry the release key's signature; deleted
    cannotSave,        // detail: the file system's description
};

struct UpdateError {
    UpdateFailure failure = UpdateFailure::network;
    std::string detail;
    bool operator==(const UpdateError&) const = default;
};

// One sentence or two for the dialog, without its title.
std::string updateErrorMessage(const UpdateError& error);

// What the update dialog shows in each of its states.
struct UpdateDialogTexts {
    std::string title;
    std::string message;
    bool operator==(const UpdateDialogTexts&) const = default;
};

UpdateDialogTexts checkingTexts();
UpdateDialogTexts upToDateTexts(std::string_view currentVersion);
UpdateDialogTexts updateAvailableTexts(std::string_view newVersion,
                                       std::string_view currentVersion);
UpdateDialogTexts downloadingTexts(std::string_view newVersion);
UpdateDialogTexts downloadVerifiedTexts(std::string_view newVersion, std::string_view fileName,
                                        std::string_view folder);
UpdateDialogTexts checkFailedTexts(const UpdateError& error);
// A verification failure gets its own title, since the file was deleted rather than kept.
UpdateDialogTexts downloadFailedTexts(const UpdateError& error);

std::string checkForUpdatesMenuText();
std::string updateDialogTitle();
std::string downloadButtonText();
std::string notNowButtonText();
std::string cancelButtonText();
std::string closeButtonText();
std::string openInstallerButtonText();
std::string showInFileManagerButtonText();
std::string releaseNotesLinkText();

} // namespace marklode
