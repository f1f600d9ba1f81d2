#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstddef>

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

    // A cluster's count as its pin shows it: whole below 1,000, then shortened so that it never
    // takes more than four characters and never overstates ("1.2k" for 1,299, "12k", "120k",
    // "1.2M"), the decimal point the locale's.
    static QString clusterLabel(std::size_t count, const QLocale& locale);
    // The width a glyph has inside a marker's circle, in logical pixels.
    static double glyphRoom(bool selected = false);
    // The bold font a glyph is drawn in: smaller for longer glyphs, small enough to fit
    // glyphRoom.
    QFont glyphFont(const QString& glyph, bool selected = false) const;

    void setDevicePixelRatio(double ratio);
    void setFont(const QFont& font);

    // An empty glyph draws the white dot of a single point.
    void paintMarker(QPainter& painter, QPointF anchor, const QColor& colour, const QString& glyph,
                     bool selected = false);
    // Where the bubble of a selected marker goes: above the marker, or below its tip where
    // there is no room above, moved sideways to stay inside the bounds (the view) and narrowed
    // to fit them. The pointer is left out when neither side has room.
    struct Callout {
        QRectF bubble;
        bool below = false;
        bool pointer = true;
    };
    Callout callout(QPointF anchor, const QString& title, const QString& subtitle,
                    const QRectF& bounds) const;
    // The bubble of a selected marker; the subtitle line only when there is one.
    void paintCallout(QPainter& painter, QPointF anchor, const QString& title,
                      const QString& subtitle, const QRectF& bounds) const;

  private:
    struct CalloutText;
    CalloutText calloutText(const QString& title, const QString& subtitle) const;
    QImage sprite(const QColor& colour, const QString& glyph, bool selected);

    double ratio_ = 1;
    QFont font_;
    QHash<QString, QImage> sprites_; // bounded: cleared when it grows past a few hundred
    QColor plainColour_;
    QImage plainSprite_;
};

} // namespace marklode::map
