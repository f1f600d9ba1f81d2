#include "platform/FolderRevealer.h"

#include "models/QtText.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace marklode {

namespace {

// Given a file, its folder: opening the file itself would run whatever handles its type.
void openFolder(const QString& path) {
    QFileInfo info(path);
    QProcess::startDetached(QStringLiteral("xdg-open"),
                            {info.isFile() ? info.absolutePath() : path});
}

} // namespace

QObject* revealInFileManager(const Path& folder, const QDBusConnection& sessionBus) {
    QString path = fromUtf8(folder.string());
    if (!sessionBus.isConnected()) {
        openFolder(path);
        return nullptr;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    auto* watcher = new QDBusPendingCallWatcher(sessionBus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, path]() {
        if (watcher->isError())
            openFolder(path);
        watcher->deleteLater();
    });
    return watcher;
}

} // namespace marklode
