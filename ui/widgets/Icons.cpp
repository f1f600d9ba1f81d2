#include "ui/widgets/Icons.h"

#include <QHash>
#include <QStringList>

namespace marklode {

QIcon themedIcon(const char* name) {
    // Rows ask for their icons on every paint; the theme is looked up once per name.
    static QHash<QString, QIcon> icons;
    QString themeName = QString::fromLatin1(name);
    auto found = icons.constFind(themeName);
    if (found != icons.constEnd())
        return *found;
    QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(themeName));
    return icons.insert(themeName, QIcon::fromTheme(themeName, bundled)).value();
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
