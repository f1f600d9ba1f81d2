#include "ui/widgets/Icons.h"

#include "ui/widgets/Contrast.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStringList>
#include <algorithm>

namespace marklode {

namespace {

QPixmap tinted(QPixmap pixmap, const QColor& color) {
    const qreal ratio = pixmap.devicePixelRatio();
    pixmap.setDevicePixelRatio(1);
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(), pixmap.size()), color);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// The icon's pixmap of `size` device pixels; a monochrome one in `color`. Cached by the
// colour, so a palette changed at run time draws anew and an unchanged one costs nothing.
QPixmap recoloured(const QIcon& icon, const QSize& size, QIcon::Mode mode, QIcon::State state,
                   const QColor& color) {
    const QString key = QStringLiteral("marklode-icon-%1-%2x%3-%4-%5-%6")
                            .arg(icon.cacheKey())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(static_cast<int>(mode))
                            .arg(static_cast<int>(state))
                            .arg(color.rgba(), 8, 16, QLatin1Char('0'));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QPixmap drawn = icon.pixmap(size, 1.0, QIcon::Normal, state);
    if (isMonochrome(drawn.toImage()))
        pixmap = tinted(drawn, color);
    else
        pixmap = mode == QIcon::Normal ? drawn : icon.pixmap(size, 1.0, mode, state);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// The colour a monochrome icon takes in each mode, from the application's palette at the time
// it is drawn: widgets ask their icons again when the palette changes.
QColor textColor(QIcon::Mode mode) {
    const QPalette palette = QApplication::palette();
    switch (mode) {
    case QIcon::Selected:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case QIcon::Disabled:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case QIcon::Normal:
    case QIcon::Active:
        break;
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

class PaletteIconEngine final : public QIconEngine {
  public:
    explicit PaletteIconEngine(QIcon source) : source_(std::move(source)) {}

    QIconEngine* clone() const override { return new PaletteIconEngine(source_); }
    QString key() const override { return QStringLiteral("marklode-palette"); }
    QString iconName() override { return source_.name(); }
    bool isNull() override { return source_.isNull(); }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return source_.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return source_.availableSizes(mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return recoloured(source_, size, mode, state, textColor(mode));
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        return pixmap(size, mode, state); // the size is in device pixels already
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        paintIcon(painter, rect, source_, textColor(mode), mode, state);
    }

    static void paintIcon(QPainter* painter, const QRect& rect, const QIcon& icon,
                          const QColor& color, QIcon::Mode mode, QIcon::State state) {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pixmap = recoloured(icon, rect.size() * ratio, mode, state, color);
        pixmap.setDevicePixelRatio(ratio);
        QRect target(QPoint(), pixmap.deviceIndependentSize().toSize());
        target.moveCenter(rect.center());
        painter->drawPixmap(target, pixmap);
    }

  private:
    QIcon source_;
};

QIcon inPaletteColors(QIcon icon) {
    return icon.isNull() ? icon : QIcon(new PaletteIconEngine(std::move(icon)));
}

QIcon bundledIcon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

// Rows ask for their icons on every paint; the theme is looked up once per name.
QIcon cachedIcon(QHash<QString, QIcon>& icons, const char* name, QIcon (*load)(const QString&)) {
    QString key = QString::fromLatin1(name);
    auto found = icons.constFind(key);
    if (found != icons.constEnd())
        return *found;
    return icons.insert(key, inPaletteColors(load(key))).value();
}

} // namespace

QIcon themedIcon(const char* name) {
    static QHash<QString, QIcon> icons;
    return cachedIcon(icons, name, [](const QString& themeName) {
        return QIcon::fromTheme(themeName, bundledIcon(themeName));
    });
}

QIcon symbolicIcon(const char* name) {
    static QHash<QString, QIcon> icons;
    return cachedIcon(icons, name, [](const QString& baseName) {
        // Qt's loader drops name parts from the end until a theme has one ("car-symbolic" can
        // end up as "car"); hasThemeIcon counts the exact name only.
        QString symbolicName = baseName + QStringLiteral("-symbolic");
        return QIcon::hasThemeIcon(symbolicName) ? QIcon::fromTheme(symbolicName)
                                                 : bundledIcon(baseName);
    });
}

void prepareIconTheme() {
    QStringList paths = QIcon::themeSearchPaths();
    if (!paths.contains(QStringLiteral("/usr/share/icons")))
        QIcon::setThemeSearchPaths(paths << QStringLiteral("/usr/share/icons"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QStringLiteral("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

bool isMonochrome(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    int low[3] = {255, 255, 255};
    int high[3] = {0, 0, 0};
    bool drawn = false;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            // Faint edge pixels carry rounding noise; the drawing's colour shows in the rest.
            if (qAlpha(line[x]) < 96)
                continue;
            drawn = true;
            const int channels[3] = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            for (int i = 0; i < 3; ++i) {
                low[i] = std::min(low[i], channels[i]);
                high[i] = std::max(high[i], channels[i]);
            }
        }
    }
    if (!drawn)
        return false;
    // One colour: each channel varies little; a grey: the channels agree with each other.
    const int spread = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
    const int hue = std::max({high[0], high[1], high[2]}) - std::min({high[0], high[1], high[2]});
    return spread <= 40 && hue <= 40;
}

void paintIcon(QPainter* painter, const QRect& rect, const QIcon& icon, const QColor& color,
               QIcon::Mode mode) {
    PaletteIconEngine::paintIcon(painter, rect, icon, color, mode, QIcon::Off);
}

void showIcon(QLabel* label, const QIcon& icon, int size, QPalette::ColorRole role) {
    QPointer<QLabel> shown(label);
    followPalette(label, [shown, icon, size, role] {
        if (!shown)
            return;
        const qreal ratio = shown->devicePixelRatioF();
        QPixmap pixmap = recoloured(icon, QSize(size, size) * ratio, QIcon::Normal, QIcon::Off,
                                    shown->palette().color(role));
        pixmap.setDevicePixelRatio(ratio);
        shown->setPixmap(pixmap);
    });
}

} // namespace marklode
