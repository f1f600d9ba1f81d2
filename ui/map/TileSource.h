#pragma once

#include <QString>

namespace marklode::map {

// Where tiles come from.
struct TileSource {
    QString
        urlTemplate;   // {z}, {x} and {y} are replaced; empty: offline, only the built-in outlines
    QString userAgent; // "Marklode/<version> (+<website>)" given by the application
    QString cacheDirectory; // the tiles' disk cache; empty: no disk cache

    bool online() const { return !urlTemplate.isEmpty(); }

    // MARKLODE_TILE_URL if set (empty = offline), else the OpenStreetMap tiles; the cache
    // folder under the XDG cache location.
    static TileSource fromEnvironment(const QString& userAgent);

    bool operator==(const TileSource&) const = default;
};

} // namespace marklode::map
