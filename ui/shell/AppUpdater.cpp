#include "ui/shell/AppUpdater.h"

#include "models/QtText.h"

#include <QDesktopServices>
#include <QTimer>

namespace marklode {

namespace {

UpdateCheckerSettings checkerSettings(const AppConfig& config,
                                      const UpdaterEnvironment& environment) {
    UpdateCheckerSettings settings;
    settings.feedUrl = config.appcastURL.value_or(QUrl());
    settings.publicKey = config.sparklePublicKey.value_or(QString()).toLatin1();
    settings.currentVersion = environment.buildVersion;
    settings.downloadFolder = environment.downloadFolder;
    settings.timeout = environment.timeout;
    settings.ssl = environment.ssl;
    return settings;
}

} // namespace

UpdaterEnvironment UpdaterEnvironment::standard(std::function<void(const Path&)> revealFile) {
    const InfoDictionary& info = mainInfoDictionary();
    UpdaterEnvironment environment;
    environment.buildVersion = info.value(QStringLiteral("CFBundleVersion"));
    environment.shownVersion = info.value(QStringLiteral("CFBundleShortVersionString"));
    environment.actions.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    environment.actions.revealFile = revealFile ? std::move(revealFile) : [](const Path& file) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(file.parent_path().string())));
    };
    return environment;
}

AppUpdater::AppUpdater(const AppConfig& config, bool hostedByTestRunner, QSettings& settings,
                       UpdaterEnvironment environment, QObject* parent)
    : QObject(parent), isEnabled_(config.updatesConfigured() && !hostedByTestRunner),
      environment_(std::move(environment)), checker_(checkerSettings(config, environment_)) {
    const QString launchedBefore = QStringLiteral("SUHasLaunchedBefore");
    if (isEnabled_ && !settings.contains(launchedBefore))
        settings.setValue(launchedBefore, true);
    if (!isEnabled_)
        return;
    connect(&checker_, &UpdateChecker::canCheckForUpdatesChanged, this, [this] {
        if (canCheckForUpdates_ == checker_.canCheckForUpdates())
            return;
        canCheckForUpdates_ = checker_.canCheckForUpdates();
        Q_EMIT canCheckForUpdatesChanged();
    });
    // Started once the event loop runs, as a framework would be: the value starts false.
    QTimer::singleShot(0, this, [this] { checker_.start(); });
}

AppUpdater::~AppUpdater() {
    // The dialog listens to the checker; it goes first.
    dialog_.reset();
}

void AppUpdater::checkForUpdates() {
    if (!isEnabled_ || !checker_.canCheckForUpdates())
        return;
    if (!dialog_)
        dialog_ = std::make_unique<UpdateDialog>(checker_, environment_.shownVersion,
                                                 environment_.actions);
    dialog_->showChecking();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    checker_.checkForUpdates();
}

} // namespace marklode
