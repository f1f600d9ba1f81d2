#pragma once

#include "rules/CountFormat.h"

#include <QLocale>
#include <QString>
#include <string_view>

namespace marklode {

// The one crossing from the rules' UTF-8 texts to Qt's strings.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Counts in the rules' sentences, as the locale writes them.
inline CountFormat countFormat(const QLocale& locale) {
    return [locale](std::int64_t count) {
        return locale.toString(static_cast<qint64>(count)).toStdString();
    };
}

} // namespace marklode
