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
    if (poi.details) {
        const Address& a = poi.address();
        *out << ", category \"" << poi.category() << "\", address \"" << a.street << "|" << a.city
             << "|" << a.region << "|" << a.postalCode << "|" << a.country << "\", phone \""
             << poi.phone() << "\"";
    }
    *out << ")";
}

inline void PrintTo(const ImportIssue& issue, std::ostream* out) {
    *out << issue.text();
}

} // namespace marklode
