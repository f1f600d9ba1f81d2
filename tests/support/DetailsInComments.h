#pragma once

#include "rules/InputKind.h"

#include <string>
#include <string_view>

namespace marklode::test {

// Imports as the program does, then moves details written into a comment onto its POI:
// "category=Fuel;city=Bern;phone=031" gives the POI that category, city and phone, and no
// comment. For files of details while the importers read none of their own.
inline ImportResult importWithDetailsInComments(std::string_view bytes, InputKind kind,
                                                SpeedUnit speedUnit) {
    ImportResult result = importData(bytes, kind, speedUnit);
    for (POI& poi : result.pois) {
        if (!poi.comment || poi.comment->find('=') == std::string::npos)
            continue;
        POIDetails details;
        std::string_view rest = *poi.comment;
        while (!rest.empty()) {
            std::string_view pair = rest.substr(0, rest.find(';'));
            rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
            std::string_view key = pair.substr(0, pair.find('='));
            std::string value(pair.substr(std::min(pair.size(), key.size() + 1)));
            Address& address = details.address;
            for (auto [name, field] :
                 {std::pair{"category", &details.category}, std::pair{"street", &address.street},
                  std::pair{"city", &address.city}, std::pair{"region", &address.region},
                  std::pair{"postalCode", &address.postalCode},
                  std::pair{"country", &address.country}, std::pair{"phone", &details.phone}})
                if (key == name)
                    *field = value;
        }
        poi.comment.reset();
        poi.setDetails(std::move(details));
    }
    return result;
}

} // namespace marklode::test
