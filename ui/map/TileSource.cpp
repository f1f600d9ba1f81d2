#include "ui/map/TileSource.h"

#include <QDir>
#include <QStandardPaths>

namespace marklode::map {

TileSource TileSource::fromEnvironment(const QString& userAgent) {
    TileSource source;
    source.urlTemplate = qEnvironmentVariableIsSet("MARKLODE_TILE_URL")
                             ? qEnvironmentVariable("MARKLODE_TILE_URL")
                             : QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png");
    source.userAgent = userAgent;
    // The generic location, so the folder doesn't depend on the application's name being set.
    source.cacheDirectory =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(QStringLiteral("marklode/tiles"));
    return source;
}

} // namespace marklode::map
