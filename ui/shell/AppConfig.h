#pragma once

#include "ui/shell/InfoDictionary.h"

#include <QString>
#include <QUrl>
#include <optional>

namespace marklode {

// What the About window and the updater read from the information dictionary. Missing,
// malformed and placeholder values never show a message: they fall back or disable.
struct AppConfig {
    QUrl websiteURL;
    QString supportEmail;
    std::optional<QUrl> appcastURL;
    std::optional<QString> sparklePublicKey;

    static AppConfig from(const InfoDictionary& info);
    // Built once from the program's own dictionary.
    static const AppConfig& shared();

    // An https feed and a public key.
    bool updatesConfigured() const;
    bool supportEmailIsSet() const;

    bool operator==(const AppConfig&) const = default;
};

inline constexpr QStringView placeholderPrefix = u"REPLACE_ME";

// Whether a test runner hosts the process (any of its three variables is set, even empty).
bool isHostedByTestRunner();

} // namespace marklode
