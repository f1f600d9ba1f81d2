#pragma once

#include "core/io/FileSystem.h"

#include <QDBusConnection>

namespace marklode {

// Opens a file-manager window with the folder (or file) selected; where no file manager offers
// that on the bus, opens the folder itself (a file's folder). Returns at once.
void revealInFileManager(const Path& folder,
                         const QDBusConnection& sessionBus = QDBusConnection::sessionBus());

} // namespace marklode
