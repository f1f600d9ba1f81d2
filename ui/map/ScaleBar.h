#pragma once

#include <QFont>
#include <QLocale>
#include <QPointF>
#include <QSizeF>
#include <QStaticText>
#include <QString>

class QPainter;

namespace marklode::map {

// A round distance and how long it is drawn.
struct ScaleBar {
    QString label;     // "500 m", "2 km", "1,000 ft", "5 mi"
    double length = 0; // logical pixels
    bool operator==(const ScaleBar&) const = default;
};

// The longest round distance (1, 2 or 5 times a power of ten: metres up to a kilometre, then
// kilometres; feet up to a mile, then miles) that is at most `longest` pixels at this ground
// resolution; the number in the locale's digits and separators. Empty where nothing fits.
ScaleBar scaleBarFor(double metresPerPixel, double longest, bool imperial, const QLocale& locale);

// Draws scale bars: the label over a bar with a tick at each end, on a light box.
class ScaleBarPainter {
  public:
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    QSizeF size(const ScaleBar& bar) const; // of the box
    void paint(QPainter& painter, const ScaleBar& bar, QPointF topLeft);

  private:
    QFont font_;
    QStaticText text_; // laid out once per label
};

} // namespace marklode::map
