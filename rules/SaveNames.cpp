#include "rules/SaveNames.h"

#include "core/text/TextClasses.h"

namespace marklode {

std::string SaveNames::next(std::string_view base) {
    std::string name = std::string(base) + ".gpi";
    for (int n = 2; used_.count(lowercased(name)) != 0; ++n)
        name = std::string(base) + " " + std::to_string(n) + ".gpi";
    used_.insert(lowercased(name));
    return name;
}

} // namespace marklode
