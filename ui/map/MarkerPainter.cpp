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
        QFont font = font_;
        font.setBold(true);
        // Long counts shrink to stay inside the circle.
        const double size = glyph.size() <= 2 ? 11 : glyph.size() == 3 ? 9.5 : 8;
        font.setPointSizeF(size * scale);
        painter.setFont(font);
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

void MarkerPainter::paintCallout(QPainter& painter, QPointF anchor, const QString& title,
                                 const QString& subtitle) const {
    QFont titleFont = font_;
    titleFont.setBold(true);
    QFont subtitleFont = font_;
    subtitleFont.setPointSizeF(std::max(font_.pointSizeF() * 0.9, 7.0));
    const QFontMetricsF titleMetrics(titleFont), subtitleMetrics(subtitleFont);
    const double textWidth =
        std::min(calloutMaxWidth - 2 * calloutPadding,
                 std::max(titleMetrics.horizontalAdvance(title),
                          subtitle.isEmpty() ? 0.0 : subtitleMetrics.horizontalAdvance(subtitle)));
    const double textHeight =
        titleMetrics.height() + (subtitle.isEmpty() ? 0.0 : subtitleMetrics.height() + 2);
    const double bubbleWidth = std::max(textWidth + 2 * calloutPadding, 40.0);
    const double bubbleHeight = textHeight + 2 * calloutPadding;
    const double pointer = 8;
    const double bottom = anchor.y() - height * selectedScale - 4;
    const QRectF bubble(anchor.x() - bubbleWidth / 2, bottom - pointer - bubbleHeight, bubbleWidth,
                        bubbleHeight);

    QPainterPath shape;
    shape.addRoundedRect(bubble, 8, 8);
    QPainterPath arrow;
    arrow.moveTo(anchor.x() - pointer, bubble.bottom() - 1);
    arrow.lineTo(anchor.x(), bottom);
    arrow.lineTo(anchor.x() + pointer, bubble.bottom() - 1);
    arrow.closeSubpath();
    shape = shape.united(arrow);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 50), 1));
    painter.setBrush(QColor(255, 255, 255, 245));
    painter.drawPath(shape);
    const QRectF text =
        bubble.adjusted(calloutPadding, calloutPadding, -calloutPadding, -calloutPadding);
    painter.setPen(QColor(0x1d, 0x1d, 0x1f));
    painter.setFont(titleFont);
    painter.drawText(QRectF(text.left(), text.top(), text.width(), titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(title, Qt::ElideRight, text.width()));
    if (!subtitle.isEmpty()) {
        painter.setPen(QColor(0x6e, 0x6e, 0x73));
        painter.setFont(subtitleFont);
        painter.drawText(QRectF(text.left(), text.top() + titleMetrics.height() + 2, text.width(),
                                subtitleMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         subtitleMetrics.elidedText(subtitle, Qt::ElideRight, text.width()));
    }
    painter.restore();
}

} // namespace marklode::map
