#pragma once

#include "core/import/ImportIssue.h"
#include "core/import/POI.h"

#include <ostream>

namespace marklode {

// Readable failure output for the import values.
inline void PrintTo(const POI& poi, std::ostream* out) {
    *out << "POI(" << poi.latitude << ", " << poi.longitude << ", \"" << poi.name << "\"";
    if (poi.comment)
        *out << ", comment \"" << *poi.comment << "\"";
    if (poi.speedKmh)
        *out << ", speed " << *poi.speedKmh;
    if (poi.proximityMeters)
        *out << ", proximity " << *poi.proximityMeters;
    *out << ")";
}

inline void PrintTo(const ImportIssue& issue, std::ostream* out) {
    *out << issue.text();
}

} // namespace marklode
