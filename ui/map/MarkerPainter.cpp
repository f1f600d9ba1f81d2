#include "ui/map/MarkerPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace marklode::map {

namespace {

constexpr int maxSprites = 512;
constexpr double calloutMaxWidth = 260;
constexpr double calloutPadding = 8;
constexpr double calloutPointer = 8;
constexpr double calloutRadius = 8;
constexpr double calloutMargin = 4; // between the bubble and the edges of the view
constexpr double calloutGap = 4;    // between the bubble's pointer and the marker
constexpr int smallestGlyphPixels = 7;

QPainterPath balloon(double w, double h) {
    // Tip at (w / 2, h): a circle over a point.
    const double radius = w / 2 - 1;
    const QPointF centre(w / 2, radius + 1);
    QPainterPath circle;
    circle.addEllipse(centre, radius, radius);
    QPainterPath tip;
    const double shoulder = radius * 0.62;
    tip.moveTo(centre.x() - shoulder, centre.y() + radius * 0.78);
    tip.lineTo(w / 2, h - 1);
    tip.lineTo(centre.x() + shoulder, centre.y() + radius * 0.78);
    tip.closeSubpath();
    return circle.united(tip);
}

} // namespace

QRectF MarkerPainter::markerRect(QPointF anchor, bool selected) {
    const double scale = selected ? selectedScale : 1;
    const double w = width * scale, h = height * scale;
    return {anchor.x() - w / 2, anchor.y() - h, w, h};
}

QString MarkerPainter::clusterLabel(std::size_t count, const QLocale& locale) {
    if (count < 1000)
        return locale.toString(static_cast<qulonglong>(count));
    // Truncated, not rounded: 1,999 points are "1.9k", never "2k".
    std::size_t unit = 1000;
    QChar suffix = u'k';
    if (count >= 1'000'000) {
        unit = 1'000'000;
        suffix = u'M';
    }
    const std::size_t tenths = count / (unit / 10);
    QString label = locale.toString(static_cast<qulonglong>(tenths / 10));
    if (tenths < 100 && tenths % 10 != 0)
        label += locale.decimalPoint() + locale.toString(static_cast<qulonglong>(tenths % 10));
    return label + suffix;
}

double MarkerPainter::glyphRoom(bool selected) {
    // The circle's diameter less its white ring on each side and half a pixel: at the height of
    // digits the circle is hardly narrower than at its middle.
    return (width - 2) * (selected ? selectedScale : 1) - 3.5;
}

QFont MarkerPainter::glyphFont(const QString& glyph, bool selected) const {
    // Pixel sizes: the marker is a fixed number of pixels, whatever the fonts' DPI.
    const double scale = selected ? selectedScale : 1;
    QFont font = font_;
    font.setBold(true);
    int pixels = static_cast<int>(std::round((glyph.size() <= 2 ? 15 : 13) * scale));
    font.setPixelSize(pixels);
    const double room = glyphRoom(selected);
    double advance = QFontMetricsF(font).horizontalAdvance(glyph);
    if (advance <= room)
        return font;
    // Shrunk in proportion, then a pixel at a time where hinting makes the text wider.
    pixels = std::max(smallestGlyphPixels, static_cast<int>(std::floor(pixels * room / advance)));
    for (;; --pixels) {
        font.setPixelSize(pixels);
        advance = QFontMetricsF(font).horizontalAdvance(glyph);
        if (advance <= room || pixels <= smallestGlyphPixels)
            return font;
    }
}

void MarkerPainter::setDevicePixelRatio(double ratio) {
    if (ratio != ratio_) {
        ratio_ = ratio;
        sprites_.clear();
        plainSprite_ = QImage();
    }
}

void MarkerPainter::setFont(const QFont& font) {
    if (font != font_) {
        font_ = font;
        sprites_.clear();
        plainSprite_ = QImage();
    }
}

QImage MarkerPainter::sprite(const QColor& colour, const QString& glyph, bool selected) {
    if (glyph.isEmpty() && !selected && colour == plainColour_ && !plainSprite_.isNull())
        return plainSprite_; // the common case, without building a key
    const QString key = QString::number(colour.rgba(), 16) + (selected ? u'S' : u'-') + glyph;
    if (const auto found = sprites_.constFind(key); found != sprites_.cend())
        return *found;
    if (sprites_.size() >= maxSprites) {
        sprites_.clear();
        plainSprite_ = QImage();
    }

    const double scale = selected ? selectedScale : 1;
    const double w = width * scale, h = height * scale;
    QImage image(static_cast<int>(std::ceil(w * ratio_)), static_cast<int>(std::ceil(h * ratio_)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio_);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPainterPath shape = balloon(w, h);
    painter.setPen(QPen(QColor(0, 0, 0, 60), 2.5));
    painter.drawPath(shape.translated(0, 0.5));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(colour);
    painter.drawPath(shape);
    const double radius = w / 2 - 1;
    const QPointF centre(w / 2, radius + 1);
    if (glyph.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
    } else {
        // Long counts shrink to stay inside the circle.
        painter.setFont(glyphFont(glyph, selected));
        painter.setPen(Qt::white);
        painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                         Qt::AlignCenter, glyph);
    }
    painter.end();
    sprites_.insert(key, image);
    if (glyph.isEmpty() && !selected) {
        plainColour_ = colour;
        plainSprite_ = image;
    }
    return image;
}

void MarkerPainter::paintMarker(QPainter& painter, QPointF anchor, const QColor& colour,
                                const QString& glyph, bool selected) {
    const QImage image = sprite(colour, glyph, selected);
    // Whole pixels keep the copy on the raster engine's plain blending path.
    const QPointF topLeft = markerRect(anchor, selected).topLeft();
    painter.drawImage(QPointF(std::round(topLeft.x()), std::round(topLeft.y())), image);
}

struct MarkerPainter::CalloutText {
    QFont titleFont;
    QFont subtitleFont;
    double titleHeight = 0;
    double subtitleHeight = 0;
    double width = 0; // of the longer line, at most what the widest bubble holds
};

MarkerPainter::CalloutText MarkerPainter::calloutText(const QString& title,
                                                      const QString& subtitle) const {
    CalloutText text;
    text.titleFont = font_;
    text.titleFont.setBold(true);
    text.subtitleFont = font_;
    text.subtitleFont.setPointSizeF(std::max(font_.pointSizeF() * 0.9, 7.0));
    const QFontMetricsF titleMetrics(text.titleFont), subtitleMetrics(text.subtitleFont);
    text.titleHeight = titleMetrics.height();
    text.subtitleHeight = subtitle.isEmpty() ? 0.0 : subtitleMetrics.height();
    text.width =
        std::min(calloutMaxWidth - 2 * calloutPadding,
                 std::max(titleMetrics.horizontalAdvance(title),
                          subtitle.isEmpty() ? 0.0 : subtitleMetrics.horizontalAdvance(subtitle)));
    return text;
}

MarkerPainter::Callout MarkerPainter::callout(QPointF anchor, const QString& title,
                                              const QString& subtitle, const QRectF& bounds) const {
    const CalloutText text = calloutText(title, subtitle);
    const QRectF room =
        bounds.adjusted(calloutMargin, calloutMargin, -calloutMargin, -calloutMargin);
    const double bubbleWidth =
        std::min(std::max(text.width + 2 * calloutPadding, 40.0), std::max(room.width(), 0.0));
    const double bubbleHeight = text.titleHeight +
                                (subtitle.isEmpty() ? 0.0 : text.subtitleHeight + 2) +
                                2 * calloutPadding;
    // The pointer's tip: above the selected marker's head, or below the marker's own tip.
    const double aboveTip = anchor.y() - height * selectedScale - calloutGap;
    const double belowTip = anchor.y() + calloutGap;
    const double aboveTop = aboveTip - calloutPointer - bubbleHeight;
    const double belowTop = belowTip + calloutPointer;
    Callout out;
    double top = aboveTop;
    if (aboveTop < room.top()) {
        if (belowTop + bubbleHeight <= room.bottom()) {
            out.below = true;
            top = belowTop;
        } else {
            // Too small a view for either: the side with more room, wholly inside.
            out.pointer = false;
            out.below = room.bottom() - belowTip > aboveTip - room.top();
            top = std::clamp(out.below ? belowTop : aboveTop, room.top(),
                             std::max(room.top(), room.bottom() - bubbleHeight));
        }
    }
    const double left = std::clamp(anchor.x() - bubbleWidth / 2, room.left(),
                                   std::max(room.left(), room.right() - bubbleWidth));
    out.bubble = QRectF(left, top, bubbleWidth, bubbleHeight);
    return out;
}

void MarkerPainter::paintCallout(QPainter& painter, QPointF anchor, const QString& title,
                                 const QString& subtitle, const QRectF& bounds) const {
    const CalloutText text = calloutText(title, subtitle);
    const Callout placed = callout(anchor, title, subtitle, bounds);
    const QRectF& bubble = placed.bubble;

    QPainterPath shape;
    shape.addRoundedRect(bubble, calloutRadius, calloutRadius);
    if (placed.pointer) {
        // The pointer's base stays on the bubble's straight edge when the bubble was moved
        // sideways; its tip stays on the marker.
        const double baseX = std::clamp(anchor.x(), bubble.left() + calloutRadius + calloutPointer,
                                        bubble.right() - calloutRadius - calloutPointer);
        const double baseY = placed.below ? bubble.top() + 1 : bubble.bottom() - 1;
        const double tipY = placed.below ? anchor.y() + calloutGap
                                         : anchor.y() - height * selectedScale - calloutGap;
        QPainterPath arrow;
        arrow.moveTo(baseX - calloutPointer, baseY);
        arrow.lineTo(anchor.x(), tipY);
        arrow.lineTo(baseX + calloutPointer, baseY);
        arrow.closeSubpath();
        shape = shape.united(arrow);
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 50), 1));
    painter.setBrush(QColor(255, 255, 255, 245));
    painter.drawPath(shape);
    const QRectF area =
        bubble.adjusted(calloutPadding, calloutPadding, -calloutPadding, -calloutPadding);
    const QFontMetricsF titleMetrics(text.titleFont), subtitleMetrics(text.subtitleFont);
    painter.setPen(QColor(0x1d, 0x1d, 0x1f));
    painter.setFont(text.titleFont);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), text.titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(title, Qt::ElideRight, area.width()));
    if (!subtitle.isEmpty()) {
        painter.setPen(QColor(0x6e, 0x6e, 0x73));
        painter.setFont(text.subtitleFont);
        painter.drawText(QRectF(area.left(), area.top() + text.titleHeight + 2, area.width(),
                                text.subtitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         subtitleMetrics.elidedText(subtitle, Qt::ElideRight, area.width()));
    }
    painter.restore();
}

} // namespace marklode::map
