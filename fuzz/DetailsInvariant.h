#pragma once

#include "core/import/POI.h"
#include "core/text/TextClasses.h"

#include <string>

namespace marklode {

// Details are either absent or hold at least one part, each trimmed.
inline bool detailsAreSound(const POI& poi) {
    if (!poi.details)
        return true;
    const Address& a = poi.address();
    for (const std::string* part :
         {&poi.category(), &a.street, &a.city, &a.region, &a.postalCode, &a.country, &poi.phone()})
        if (trimWhitespaceAndNewlines(*part) != *part)
            return false;
    return !poi.details->isEmpty();
}

} // namespace marklode
