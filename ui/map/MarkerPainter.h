#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace marklode::map {

// Draws balloon markers anchored at their tip, each from a sprite rendered once per colour and
// glyph, so that thousands of markers cost one image copy each.
class MarkerPainter {
  public:
    static constexpr double width = 28;
    static constexpr double height = 38;
    static constexpr double selectedScale = 1.25;

    // The area a marker covers around its anchor, for hit testing and culling.
    static QRectF markerRect(QPointF anchor, bool selected = false);

    void setDevicePixelRatio(double ratio);
    void setFont(const QFont& font);

    // An empty glyph draws the white dot of a single point.
    void paintMarker(QPainter& painter, QPointF anchor, const QColor& colour, const QString& glyph,
                     bool selected = false);
    // The bubble above a selected marker; the subtitle line only when there is one.
    void paintCallout(QPainter& painter, QPointF anchor, const QString& title,
                      const QString& subtitle) const;

  private:
    QImage sprite(const QColor& colour, const QString& glyph, bool selected);

    double ratio_ = 1;
    QFont font_;
    QHash<QString, QImage> sprites_; // bounded: cleared when it grows past a few hundred
    QColor plainColour_;
    QImage plainSprite_;
};

} // namespace marklode::map
