#include "rules/LocaleRegion.h"

#include <cstdlib>

namespace marklode {

std::string regionOfLocaleName(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::size_t underscore = name.find('_');
    return underscore == std::string_view::npos ? std::string()
                                                : std::string(name.substr(underscore + 1));
}

std::string measurementLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MEASUREMENT", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return value;
    return {};
}

} // namespace marklode
