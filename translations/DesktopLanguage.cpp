#include "translations/DesktopLanguage.h"

#include "core/text/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace marklode {

namespace {

QTranslator& marklodeCatalog() {
    static QTranslator catalog;
    return catalog;
}

QTranslator& qtCatalog() {
    static QTranslator catalog;
    return catalog;
}

// The Qt-free layers' texts come from the same catalog as the window's; %n stays for them to fill.
std::string translated(const char* context, const char* source, const char* disambiguation, int n) {
    return marklodeCatalog().translate(context, source, disambiguation, n).toStdString();
}

void use(const QLocale& locale) {
    const QString catalogs = QStringLiteral(":/i18n");
    // English has a catalog too: the singular of texts whose source is the plural.
    const bool loaded =
        marklodeCatalog().load(locale, QStringLiteral("marklode"), QStringLiteral("_"), catalogs) ||
        marklodeCatalog().load(QStringLiteral("marklode_en"), catalogs);
    setTranslator(loaded ? translated : nullptr);
    // Without Qt's own catalog for the language, Qt's dialogs stay in English.
    const bool qtLoaded = qtCatalog().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (QCoreApplication::instance()) {
        for (QTranslator* catalog : {&qtCatalog(), &marklodeCatalog()})
            QCoreApplication::removeTranslator(catalog);
        if (qtLoaded)
            QCoreApplication::installTranslator(&qtCatalog());
        if (loaded)
            QCoreApplication::installTranslator(&marklodeCatalog());
    }
}

} // namespace

void useDesktopLanguage() {
    use(QLocale());
}

void useLanguage(std::string_view language) {
    use(QLocale(QString::fromUtf8(language.data(), qsizetype(language.size()))));
}

} // namespace marklode
