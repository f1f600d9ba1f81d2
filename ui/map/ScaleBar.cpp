#include "ui/map/ScaleBar.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace marklode::map {

namespace {

constexpr double metresPerFoot = 0.3048;
constexpr double metresPerMile = 5280 * metresPerFoot;
constexpr double paddingX = 4;
constexpr double paddingY = 2;
constexpr double tick = 5;
const QColor ink(0x1d, 0x1d, 0x1f); // dark on the light box, in any theme

// The largest 1, 2 or 5 times a power of ten that is at most the limit.
double roundDown125(double limit) {
    const double power = std::pow(10.0, std::floor(std::log10(limit)));
    const double leading = limit / power;
    return power * (leading >= 5 ? 5 : leading >= 2 ? 2 : 1);
}

} // namespace

ScaleBar scaleBarFor(double metresPerPixel, double longest, bool imperial, const QLocale& locale) {
    if (!(metresPerPixel > 0) || !std::isfinite(metresPerPixel) || !(longest >= 1))
        return {};
    const double metres = longest * metresPerPixel;
    const auto bar = [&](double unit, const char* format) {
        const double count = roundDown125(metres / unit);
        const QString number =
            count >= 1 ? locale.toString(std::llround(count)) : locale.toString(count, 'g', 3);
        return ScaleBar{QCoreApplication::translate("ScaleBar", format).arg(number),
                        count * unit / metresPerPixel};
    };
    if (imperial)
        return metres >= metresPerMile ? bar(metresPerMile, QT_TRANSLATE_NOOP("ScaleBar", "%1 mi"))
                                       : bar(metresPerFoot, QT_TRANSLATE_NOOP("ScaleBar", "%1 ft"));
    return metres >= 1000 ? bar(1000, QT_TRANSLATE_NOOP("ScaleBar", "%1 km"))
                          : bar(1, QT_TRANSLATE_NOOP("ScaleBar", "%1 m"));
}

void ScaleBarPainter::setFont(const QFont& font) {
    if (font != font_) {
        font_ = font;
        text_ = QStaticText();
    }
}

QSizeF ScaleBarPainter::size(const ScaleBar& bar) const {
    const QFontMetricsF metrics(font_);
    return {std::max(bar.length, metrics.horizontalAdvance(bar.label)) + 2 * paddingX,
            metrics.height() + 1 + tick + 2 * paddingY};
}

void ScaleBarPainter::paint(QPainter& painter, const ScaleBar& bar, QPointF topLeft) {
    if (text_.text() != bar.label) {
        text_.setTextFormat(Qt::PlainText);
        text_.setText(bar.label);
        text_.prepare(QTransform(), font_);
    }
    const QRectF box(topLeft, size(bar));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRect(box);
    painter.setPen(ink);
    painter.setFont(font_);
    painter.drawStaticText(QPointF(box.left() + paddingX, box.top() + paddingY), text_);
    const double left = std::round(box.left() + paddingX);
    const double right = std::round(left + bar.length);
    const double base = std::round(box.bottom() - paddingY) - 1;
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const QPointF bracket[] = {
        {left, base - tick}, {left, base}, {right, base}, {right, base - tick}};
    painter.drawPolyline(bracket, 4);
    painter.restore();
}

} // namespace marklode::map
