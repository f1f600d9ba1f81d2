#pragma once

#include "models/Appcast.h"
#include "rules/UpdateMessages.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslConfiguration>
#include <QTemporaryFile>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

namespace marklode {

struct UpdateCheckerSettings {
    QUrl feedUrl;
    QByteArray publicKey; // ed25519, base64
    QString currentVersion;
    // Where verified downloads are kept; empty: the user's Downloads folder, else the cache.
    QString downloadFolder;
    // How long the server may stay silent before the check or download fails.
    std::chrono::milliseconds timeout = std::chrono::seconds(30);
    qint64 maxFeedBytes = 1024 * 1024;
    // Trusted certificates other than the system's (tests); TLS is always verified.
    std::optional<QSslConfiguration> ssl;
};

// Reads the update feed, offers the newest release for Linux that is newer than the running
// build, and downloads it. A download is kept (under its own name) only when its size is the
// announced one and its ed25519 signature matches the release key; anything else is deleted.
// One check or download at a time; nothing happens before start().
class UpdateChecker : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
  public:
    explicit UpdateChecker(UpdateCheckerSettings settings, QObject* parent = nullptr);
    ~UpdateChecker() override;

    void start();
    bool canCheckForUpdates() const { return started_ && !reply_; }
    bool isBusy() const { return reply_ != nullptr; }

    void checkForUpdates();
    void download(const AppcastItem& release);
    // Ends the running check or download without a result; a partial download is deleted.
    void cancel();

    const UpdateCheckerSettings& settings() const { return settings_; }

  Q_SIGNALS:
    void canCheckForUpdatesChanged();
    void upToDate();
    void updateAvailable(const marklode::AppcastItem& release);
    void checkFailed(const marklode::UpdateError& error);
    void downloadProgress(qint64 received, qint64 total);
    void downloadVerified(const QString& path);
    void downloadFailed(const marklode::UpdateError& error);

  private:
    QNetworkReply* get(const QUrl& url);
    void abortWith(UpdateError error);
    // The failure that ended the reply, if any; also clears the running reply.
    std::optional<UpdateError> finishReply(QNetworkReply* reply);
    std::optional<UpdateError> keepVerifiedDownload(QString& keptPath);
    QString downloadFolder() const;

    UpdateCheckerSettings settings_;
    QNetworkAccessManager network_;
    QPointer<QNetworkReply> reply_;
    QTimer silence_;
    bool started_ = false;
    bool cancelled_ = false;
    std::optional<UpdateError> abortReason_;
    QByteArray feed_;
    AppcastItem release_;
    std::unique_ptr<QTemporaryFile> part_;
    qint64 received_ = 0;
};

} // namespace marklode
