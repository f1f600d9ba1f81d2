#pragma once

#include "core/text/PrintableText.h"

#include <string>
#include <string_view>

namespace marklode {

// Names of devices, files, POIs and categories stand between curly quotes in what the user
// reads, made printable: a name can't break the sentence around it.
inline std::string curlyQuoted(std::string_view name) {
    return "\u201C" + printable(name) + "\u201D";
}

} // namespace marklode
