#include "models/UpdateChecker.h"

#include "models/ReleaseSignature.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>

namespace marklode {

namespace {

// The enclosure's own file name, reduced to characters that are safe in any folder; a feed
// cannot name a hidden file or climb out of the download folder.
QString safeFileName(const AppcastItem& release) {
    QString name = release.url.fileName();
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && !QStringView(u"._+-~").contains(c))
            c = u'_';
    if (name.isEmpty() || name.startsWith(u'.') || name.size() > 200)
        name = QStringLiteral("marklode-update");
    return name;
}

// Whether the name is taken; a symbolic link takes it too, even when it leads nowhere.
bool isTaken(const QString& path) {
    QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// "name.deb", else "name (2).deb" and so on: an earlier file of the user's is never replaced.
QString freePath(const QDir& folder, const QString& name) {
    QFileInfo info(name);
    QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString candidate = folder.filePath(name);
    for (int n = 2; isTaken(candidate); ++n)
        candidate = folder.filePath(
            QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(n).arg(suffix));
    return candidate;
}

} // namespace

UpdateChecker::UpdateChecker(UpdateCheckerSettings settings, QObject* parent)
    : QObject(parent), settings_(std::move(settings)) {
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] {
        abortWith({UpdateFailure::timedOut, {}});
    });
}

UpdateChecker::~UpdateChecker() {
    // Whoever listens may be half destroyed already.
    blockSignals(true);
    cancel();
}

void UpdateChecker::start() {
    if (started_)
        return;
    started_ = true;
    Q_EMIT canCheckForUpdatesChanged();
}

void UpdateChecker::checkForUpdates() {
    if (!canCheckForUpdates())
        return;
    const QUrl& feed = settings_.feedUrl;
    if (!feed.isValid() || feed.scheme() != u"https" || feed.host().isEmpty()) {
        Q_EMIT checkFailed({UpdateFailure::insecureFeed, {}});
        return;
    }
    if (!decodePublicKey(settings_.publicKey)) {
        Q_EMIT checkFailed({UpdateFailure::invalidPublicKey, {}});
        return;
    }
    feed_.clear();
    QNetworkReply* reply = get(feed);
    auto read = [this, reply] {
        if (abortReason_)
            return;
        feed_ += reply->readAll();
        if (feed_.size() > settings_.maxFeedBytes)
            abortWith({UpdateFailure::feedTooLarge, {}});
    };
    connect(reply, &QNetworkReply::readyRead, this, read);
    connect(reply, &QNetworkReply::finished, this, [this, reply, read] {
        read();
        QUrl base = reply->url();
        if (std::optional<UpdateError> error = finishReply(reply)) {
            feed_.clear();
            if (!cancelled_)
                Q_EMIT checkFailed(*error);
            return;
        }
        AppcastParse parsed = parseAppcast(feed_, base);
        feed_.clear();
        if (parsed.error) {
            Q_EMIT checkFailed({UpdateFailure::malformedFeed, parsed.error->toStdString()});
            return;
        }
        std::optional<AppcastItem> newest = newestApplicable(parsed.items);
        // A build number that is no version at all is older than any release.
        if (newest && compareVersions(newest->version, settings_.currentVersion).value_or(1) > 0)
            Q_EMIT updateAvailable(*newest);
        else
            Q_EMIT upToDate();
    });
}

void UpdateChecker::download(const AppcastItem& release) {
    if (!canCheckForUpdates())
        return;
    if (!decodePublicKey(settings_.publicKey)) {
        Q_EMIT downloadFailed({UpdateFailure::invalidPublicKey, {}});
        return;
    }
    QDir folder(downloadFolder());
    if (!folder.mkpath(QStringLiteral("."))) {
        Q_EMIT downloadFailed({UpdateFailure::cannotSave, folder.path().toStdString()});
        return;
    }
    // Hidden and temporary until verified, so that no unverified file looks installable.
    part_ = std::make_unique<QTemporaryFile>(
        folder.filePath(QStringLiteral(".marklode-update-XXXXXX.part")));
    if (!part_->open()) {
        UpdateError error{UpdateFailure::cannotSave, part_->errorString().toStdString()};
        part_.reset();
        Q_EMIT downloadFailed(error);
        return;
    }
    release_ = release;
    received_ = 0;
    QNetworkReply* reply = get(release.url);
    auto read = [this, reply] {
        if (abortReason_)
            return;
        QByteArray data = reply->readAll();
        if (received_ + data.size() > release_.length)
            return abortWith({UpdateFailure::lengthMismatch, {}});
        if (part_->write(data) != data.size())
            return abortWith({UpdateFailure::cannotSave, part_->errorString().toStdString()});
        received_ += data.size();
        Q_EMIT downloadProgress(received_, release_.length);
    };
    connect(reply, &QNetworkReply::readyRead, this, read);
    connect(reply, &QNetworkReply::finished, this, [this, reply, read] {
        read();
        std::optional<UpdateError> error = finishReply(reply);
        QString kept;
        if (!error && !cancelled_)
            error = keepVerifiedDownload(kept);
        part_.reset(); // deletes the file unless it was verified and kept
        if (cancelled_)
            return;
        if (error)
            Q_EMIT downloadFailed(*error);
        else
            Q_EMIT downloadVerified(kept);
    });
}

void UpdateChecker::cancel() {
    if (!reply_)
        return;
    cancelled_ = true;
    reply_->abort();
}

QNetworkReply* UpdateChecker::get(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Marklode/%1").arg(settings_.currentVersion));
    if (settings_.ssl)
        request.setSslConfiguration(*settings_.ssl);
    abortReason_.reset();
    cancelled_ = false;
    reply_ = network_.get(request);
    silence_.start(settings_.timeout);
    // Every arriving byte shows the server is still there.
    connect(reply_, &QNetworkReply::downloadProgress, this,
            [this] { silence_.start(settings_.timeout); });
    Q_EMIT canCheckForUpdatesChanged();
    return reply_;
}

void UpdateChecker::abortWith(UpdateError error) {
    if (!reply_ || abortReason_)
        return;
    abortReason_ = std::move(error);
    reply_->abort();
}

std::optional<UpdateError> UpdateChecker::finishReply(QNetworkReply* reply) {
    silence_.stop();
    reply->deleteLater();
    std::optional<UpdateError> error = abortReason_;
    if (!error && reply->error() != QNetworkReply::NoError)
        error = UpdateError{UpdateFailure::network, reply->errorString().toStdString()};
    reply_ = nullptr;
    Q_EMIT canCheckForUpdatesChanged();
    return error;
}

std::optional<UpdateError> UpdateChecker::keepVerifiedDownload(QString& keptPath) {
    if (!part_->flush())
        return UpdateError{UpdateFailure::cannotSave, part_->errorString().toStdString()};
    if (received_ != release_.length || part_->size() != release_.length)
        return UpdateError{UpdateFailure::lengthMismatch, {}};
    uchar* bytes = part_->map(0, part_->size());
    if (!bytes)
        return UpdateError{UpdateFailure::cannotSave, part_->errorString().toStdString()};
    // What is verified is what was written to disk, not what passed through memory.
    bool verified = signatureMatches(QByteArrayView(bytes, static_cast<qsizetype>(part_->size())),
                                     release_.edSignature,
                                     decodePublicKey(settings_.publicKey).value_or(QByteArray()));
    part_->unmap(bytes);
    if (!verified)
        return UpdateError{UpdateFailure::signatureMismatch, {}};
    QString target = freePath(QFileInfo(part_->fileName()).dir(), safeFileName(release_));
    if (!part_->rename(target))
        return UpdateError{UpdateFailure::cannotSave, part_->errorString().toStdString()};
    part_->setAutoRemove(false);
    keptPath = target;
    return std::nullopt;
}

QString UpdateChecker::downloadFolder() const {
    if (!settings_.downloadFolder.isEmpty())
        return settings_.downloadFolder;
    QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty() && QFileInfo(downloads).isDir())
        return downloads;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("updates"));
}

} // namespace marklode
