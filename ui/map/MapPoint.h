#pragma once

#include <QString>
#include <cstdint>

namespace marklode::map {

struct Coordinate {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const Coordinate&) const = default;
};

struct MapPoint {
    std::int64_t id = 0;
    Coordinate coordinate;
    QString title;
    QString subtitle; // empty: none
    bool operator==(const MapPoint&) const = default;
};

} // namespace marklode::map
