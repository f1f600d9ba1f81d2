#include "ui/shell/AppUpdater.h"

namespace marklode {

AppUpdater::AppUpdater(const AppConfig& config, bool hostedByTestRunner, QSettings& settings,
                       QObject* parent)
    : QObject(parent), isEnabled_(config.updatesConfigured() && !hostedByTestRunner) {
    const QString launchedBefore = QStringLiteral("SUHasLaunchedBefore");
    if (isEnabled_ && !settings.contains(launchedBefore))
        settings.setValue(launchedBefore, true);
}

} // namespace marklode
