#include "platform/FolderRevealer.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace marklode {

namespace {

void openFolder(const QString& folder) {
    QProcess::startDetached(QStringLiteral("xdg-open"), {folder});
}

} // namespace

void revealInFileManager(const Path& folder, const QDBusConnection& sessionBus) {
    QString path = QString::fromStdString(folder.string());
    if (!sessionBus.isConnected()) {
        openFolder(path);
        return;
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
}

} // namespace marklode
