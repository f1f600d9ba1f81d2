#include "ui/map/MapOverlays.h"

#include "ui/map/MapControls.h"

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>

namespace marklode::map {

namespace {

constexpr int inset = 8; // between the buttons or the scale bar and the map's edges
constexpr int gap = 4;   // between overlays that would otherwise touch
const QColor ink(0x1d, 0x1d, 0x1f);
const QColor link(0x0b, 0x57, 0xa8);

} // namespace

QFont overlayFont(const QFont& font) {
    QFont small = font;
    small.setPointSizeF(std::max(small.pointSizeF() * 0.8, 7.0));
    return small;
}

QLabel* makeTileAttribution(QWidget* map) {
    auto* label = new QLabel(map);
    label->setObjectName(QStringLiteral("mapAttribution"));
    label->setTextFormat(Qt::RichText);
    label->setText(
        QStringLiteral("<a href=\"https://www.openstreetmap.org/copyright\">%1</a>")
            .arg(QCoreApplication::translate("MapOverlays", "\u00A9 OpenStreetMap contributors")
                     .toHtmlEscaped()));
    label->setOpenExternalLinks(true);
    label->setContentsMargins(4, 1, 4, 1);
    label->setAutoFillBackground(true);
    label->setCursor(Qt::ArrowCursor);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 255, 200));
    for (const auto role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, ink);
    for (const auto role : {QPalette::Link, QPalette::LinkVisited})
        palette.setColor(role, link);
    label->setPalette(palette);
    label->setFont(overlayFont(label->font()));
    return label;
}

void layOutOverlays(const QWidget& map, QLabel& attribution, MapControls& controls) {
    // Measured on one line: a wrapping label's size hint is narrower than the room it has.
    attribution.setWordWrap(false);
    QSize credit = attribution.sizeHint();
    if (credit.width() > map.width()) {
        attribution.setWordWrap(true);
        credit = {map.width(), attribution.heightForWidth(map.width())};
    }
    attribution.setGeometry(map.width() - credit.width(), map.height() - credit.height(),
                            credit.width(), credit.height());
    const int free = attribution.isVisibleTo(&map) ? attribution.y() : map.height();
    controls.setVertical(inset + MapControls::sizeFor(true).height() + gap <= free);
    controls.move(map.width() - inset - controls.width(), inset);
    attribution.raise();
}

QRectF scaleBarPlace(const QWidget& map, QSizeF size, const QLabel& attribution) {
    double bottom = map.height() - inset;
    if (attribution.isVisibleTo(&map) && inset + size.width() + gap > attribution.x())
        bottom = std::min(bottom, double(attribution.y() - gap));
    return {QPointF(inset, bottom - size.height()), size};
}

} // namespace marklode::map
