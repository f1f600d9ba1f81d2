#pragma once

#include "core/io/FileSystem.h"
#include "core/text/PrintableText.h"
#include "models/QtText.h"

#include <QString>
#include <string_view>

namespace marklode {

// Names and other user data as the window shows them: control characters made visible and
// direction controls neutralised, by the rule the command line prints by, so a name can neither
// draw over the line below it nor reverse the text around it.
inline QString shownText(std::string_view text) {
    return fromUtf8(printable(text));
}

inline QString shownFileName(const Path& path) {
    return shownText(path.filename().string());
}

} // namespace marklode
