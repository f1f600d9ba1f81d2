#include "cli/Environment.h"

#include <cstdlib>
#include <string_view>

namespace marklode::cli {

std::string environmentRegion() {
    for (const char* variable : {"LC_ALL", "LC_MEASUREMENT", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value)
            continue;
        std::string_view locale = value;
        locale = locale.substr(0, locale.find_first_of(".@"));
        auto underscore = locale.find('_');
        return underscore == std::string_view::npos ? std::string()
                                                    : std::string(locale.substr(underscore + 1));
    }
    return {};
}

} // namespace marklode::cli
