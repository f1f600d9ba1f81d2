#include "ui/shell/AppConfig.h"

#include <QtGlobal>

namespace marklode {

namespace {

// Used when the dictionary's website is not an https address.
const QUrl placeholderWebsite(QStringLiteral("https://marklode.example/"));

bool isPlaceholder(const QString& value) {
    return value.startsWith(placeholderPrefix);
}

} // namespace

AppConfig AppConfig::from(const InfoDictionary& info) {
    AppConfig config;
    QUrl website(info.value(QStringLiteral("POIWebsiteURL")), QUrl::StrictMode);
    config.websiteURL = website.isValid() && website.scheme() == QStringLiteral("https")
                            ? website
                            : placeholderWebsite;
    config.supportEmail = info.value(QStringLiteral("POISupportEmail"));
    QString feed = info.value(QStringLiteral("SUFeedURL"));
    if (!isPlaceholder(feed)) {
        QUrl url(feed, QUrl::StrictMode);
        if (url.isValid() && !feed.isEmpty())
            config.appcastURL = url;
    }
    QString key = info.value(QStringLiteral("SUPublicEDKey"));
    if (!key.isEmpty() && !isPlaceholder(key))
        config.sparklePublicKey = key;
    return config;
}

const AppConfig& AppConfig::shared() {
    static const AppConfig config = from(mainInfoDictionary());
    return config;
}

bool AppConfig::updatesConfigured() const {
    return appcastURL && appcastURL->scheme() == QStringLiteral("https") && sparklePublicKey;
}

bool AppConfig::supportEmailIsSet() const {
    return !supportEmail.isEmpty() && !isPlaceholder(supportEmail);
}

bool isHostedByTestRunner() {
    for (const char* name :
         {"XCTestConfigurationFilePath", "XCTestBundlePath", "XCTestSessionIdentifier"})
        if (qEnvironmentVariableIsSet(name))
            return true;
    return false;
}

} // namespace marklode
