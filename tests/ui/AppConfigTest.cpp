#include "ui/shell/AppConfig.h"

#include "support/TempDir.h"
#include "ui/shell/AboutWindow.h"
#include "ui/shell/AppUpdater.h"

#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace marklode;

TEST(AppConfigTest, PlaceholdersAndBadValuesFallBackOrDisable) {
    struct Case {
        const char* name;
        InfoDictionary info;
        bool updates;
        QString website;
        bool email;
    };
    const QString https = QStringLiteral("https://feed.example/appcast.xml");
    const QString placeholder = QStringLiteral("https://marklode.example/");
    const Case cases[] = {
        {"all set",
         {{"SUFeedURL", https},
          {"SUPublicEDKey", "key"},
          {"POIWebsiteURL", "https://site.example/"},
          {"POISupportEmail", "help@site.example"}},
         true,
         "https://site.example/",
         true},
        {"feed placeholder",
         {{"SUFeedURL", "REPLACE_ME_FEED"}, {"SUPublicEDKey", "key"}},
         false,
         placeholder,
         false},
        {"feed not https",
         {{"SUFeedURL", "http://feed.example/a.xml"}, {"SUPublicEDKey", "key"}},
         false,
         placeholder,
         false},
        {"key empty", {{"SUFeedURL", https}, {"SUPublicEDKey", ""}}, false, placeholder, false},
        {"key placeholder",
         {{"SUFeedURL", https}, {"SUPublicEDKey", "REPLACE_ME"}},
         false,
         placeholder,
         false},
        {"website not https",
         {{"POIWebsiteURL", "http://site.example/"}},
         false,
         placeholder,
         false},
        {"website not a URL", {{"POIWebsiteURL", "not a url"}}, false, placeholder, false},
        {"email placeholder", {{"POISupportEmail", "REPLACE_ME_EMAIL"}}, false, placeholder, false},
    };
    for (const Case& c : cases) {
        AppConfig config = AppConfig::from(c.info);
        EXPECT_EQ(config.updatesConfigured(), c.updates) << c.name;
        EXPECT_EQ(config.websiteURL.toString(), c.website) << c.name;
        EXPECT_EQ(config.supportEmailIsSet(), c.email) << c.name;
    }
    EXPECT_EQ(AboutWindow::versionLine({}), "Version ? (?)");
    EXPECT_EQ(
        AboutWindow::versionLine({{"CFBundleShortVersionString", "1.2"}, {"CFBundleVersion", "7"}}),
        "Version 1.2 (7)");
}

TEST(AppConfigTest, UpdaterIsEnabledOnlyWhenConfiguredAndNotUnderATestRunner) {
    marklode::test::TempDir dir;
    QSettings settings(QString::fromStdString((dir / "s.ini").string()), QSettings::IniFormat);
    AppConfig configured =
        AppConfig::from({{"SUFeedURL", "https://feed.example/a.xml"}, {"SUPublicEDKey", "key"}});
    EXPECT_FALSE(AppUpdater(configured, true, settings).isEnabled());
    EXPECT_FALSE(settings.contains("SUHasLaunchedBefore"));
    settings.setValue("SUHasLaunchedBefore", false);
    AppUpdater enabled(configured, false, settings);
    EXPECT_TRUE(enabled.isEnabled());
    EXPECT_FALSE(enabled.canCheckForUpdates());
    EXPECT_EQ(settings.value("SUHasLaunchedBefore").toBool(), false); // only written when absent
    EXPECT_TRUE(QTest::qWaitFor([&] { return enabled.canCheckForUpdates(); }, 1000));
    settings.remove("SUHasLaunchedBefore");
    AppUpdater first(configured, false, settings);
    EXPECT_EQ(settings.value("SUHasLaunchedBefore").toBool(), true);
    AppUpdater disabled(AppConfig::from({}), false, settings);
    EXPECT_FALSE(disabled.isEnabled());
    QTest::qWait(20);
    EXPECT_FALSE(disabled.canCheckForUpdates());
    disabled.checkForUpdates();
    EXPECT_EQ(disabled.dialog(), nullptr);
}
