#pragma once

#include "core/io/FileSystem.h"

#include <QDBusConnection>
#include <QObject>

namespace marklode {

// Opens a file-manager window with the folder (or file) selected; where no file manager offers
// that on the bus, opens the folder itself (a file's folder). Returns at once, with the call in
// flight, which deletes itself once answered; none when the folder was opened directly.
QObject* revealInFileManager(const Path& folder,
                             const QDBusConnection& sessionBus = QDBusConnection::sessionBus());

} // namespace marklode
