#pragma once

#include <QString>
#include <string_view>

namespace marklode {

// The one crossing from the rules' UTF-8 texts to Qt's strings.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace marklode
