#pragma once

#include "ui/shell/AppConfig.h"

#include <QObject>
#include <QSettings>

namespace marklode {

// The update surface the shell and its menu use. Enabled only when the build names an https
// feed and a public key and no test runner hosts the process. No checker is built in yet, so
// nothing ever makes a check possible and the menu keeps "Check for Updates…" hidden.
class AppUpdater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
  public:
    AppUpdater(const AppConfig& config, bool hostedByTestRunner, QSettings& settings,
               QObject* parent = nullptr);

    bool isEnabled() const { return isEnabled_; }
    bool canCheckForUpdates() const { return canCheckForUpdates_; }

  Q_SIGNALS:
    void canCheckForUpdatesChanged();

  private:
    bool isEnabled_;
    bool canCheckForUpdates_ = false;
};

} // namespace marklode
