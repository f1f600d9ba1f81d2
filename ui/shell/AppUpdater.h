#pragma once

#include "models/UpdateChecker.h"
#include "ui/shell/AppConfig.h"
#include "ui/shell/UpdateDialog.h"

#include <QObject>
#include <QSettings>
#include <chrono>
#include <memory>
#include <optional>

namespace marklode {

// What the updater takes from outside its configuration; tests give their own server, folder,
// timeout and recorders.
struct UpdaterEnvironment {
    QString buildVersion; // compared with the feed's versions
    QString shownVersion; // what the user reads
    QString downloadFolder;
    std::chrono::milliseconds timeout = std::chrono::seconds(30);
    std::optional<QSslConfiguration> ssl;
    UpdateActions actions;

    // The program's own versions, the desktop's URL handler, and `revealFile` when given.
    static UpdaterEnvironment standard(std::function<void(const Path&)> revealFile = {});
};

// The update surface the shell and its menu use. Enabled only when the build names an https
// feed and a public key and no test runner hosts the process; only then is the checker started
// and can a check be made. It owns the checker and the dialog that shows its results.
class AppUpdater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
  public:
    AppUpdater(const AppConfig& config, bool hostedByTestRunner, QSettings& settings,
               UpdaterEnvironment environment = UpdaterEnvironment::standard(),
               QObject* parent = nullptr);
    ~AppUpdater() override;

    bool isEnabled() const { return isEnabled_; }
    bool canCheckForUpdates() const { return canCheckForUpdates_; }

    // A check the user asked for, with its dialog; nothing when not enabled.
    void checkForUpdates();

    UpdateChecker& checker() { return checker_; }
    // The dialog of the last check, if there was one.
    UpdateDialog* dialog() const { return dialog_.get(); }

  Q_SIGNALS:
    void canCheckForUpdatesChanged();

  private:
    bool isEnabled_;
    bool canCheckForUpdates_ = false;
    UpdaterEnvironment environment_;
    UpdateChecker checker_;
    std::unique_ptr<UpdateDialog> dialog_;
};

} // namespace marklode
