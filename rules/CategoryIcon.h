#pragma once

#include "core/gpi/GPIIcon.h"

#include <string>

namespace marklode {

// The icon a source gives one of its categories, decoded.
struct CategoryIcon {
    std::string category;
    GPIIcon icon;
    bool operator==(const CategoryIcon&) const = default;
};

} // namespace marklode
