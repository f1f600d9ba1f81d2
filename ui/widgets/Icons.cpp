#include "ui/widgets/Icons.h"

#include <QStringList>

namespace marklode {

QIcon themedIcon(const char* name) {
    QString themeName = QString::fromLatin1(name);
    QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(themeName));
    return QIcon::fromTheme(themeName, bundled);
}

void prepareIconTheme() {
    QStringList paths = QIcon::themeSearchPaths();
    if (!paths.contains(QStringLiteral("/usr/share/icons")))
        QIcon::setThemeSearchPaths(paths << QStringLiteral("/usr/share/icons"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QStringLiteral("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace marklode
