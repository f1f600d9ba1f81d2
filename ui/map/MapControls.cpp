#include "ui/map/MapControls.h"

#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <array>

namespace marklode::map {

namespace {

constexpr int side = 28; // of a button
constexpr int spacing = 2;
constexpr int buttonCount = 3;

enum class Glyph { plus, minus, fit };

// Drawn in the buttons' text colour, whatever the palette: the themes' magnifiers don't read at
// this size, and some themes have none.
QIcon drawnIcon(Glyph glyph, const QColor& colour) {
    QIcon icon;
    for (const double ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(16, 16) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (glyph == Glyph::plus)
            painter.drawLine(QPointF(8, 3), QPointF(8, 13));
        if (glyph != Glyph::fit)
            painter.drawLine(QPointF(3, 8), QPointF(13, 8));
        else // the corners of a frame: everything brought into view
            for (const QPointF corner :
                 {QPointF(2.5, 2.5), QPointF(13.5, 2.5), QPointF(13.5, 13.5), QPointF(2.5, 13.5)}) {
                const double dx = corner.x() < 8 ? 4 : -4, dy = corner.y() < 8 ? 4 : -4;
                const QPointF arm[] = {corner + QPointF(dx, 0), corner, corner + QPointF(0, dy)};
                painter.drawPolyline(arm, 3);
            }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

MapControls::MapControls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mapControls"));
    setCursor(Qt::ArrowCursor);
    const auto button = [this](const char* name, const QString& title, Qt::Key key) {
        auto* made = new QToolButton(this);
        made->setObjectName(QLatin1String(name));
        made->setAccessibleName(title);
        made->setToolTip(
            tr("%1 (%2)").arg(title, QKeySequence(key).toString(QKeySequence::NativeText)));
        made->setIconSize(QSize(16, 16));
        made->setFixedSize(side, side);
        return made;
    };
    zoomIn_ = button("zoomIn", tr("Zoom In"), Qt::Key_Plus);
    zoomOut_ = button("zoomOut", tr("Zoom Out"), Qt::Key_Minus);
    showAll_ = button("showAll", tr("Show All"), Qt::Key_0);
    updateIcons();
    setVertical(true);
}

QSize MapControls::sizeFor(bool vertical) {
    const int length = buttonCount * side + (buttonCount - 1) * spacing;
    return vertical ? QSize(side, length) : QSize(length, side);
}

void MapControls::setVertical(bool vertical) {
    const std::array buttons{zoomIn_, zoomOut_, showAll_};
    for (int i = 0; i < buttonCount; ++i) {
        const int step = i * (side + spacing);
        buttons[static_cast<std::size_t>(i)]->move(vertical ? QPoint(0, step) : QPoint(step, 0));
    }
    resize(sizeFor(vertical));
}

void MapControls::updateIcons() {
    const QColor colour = palette().color(QPalette::ButtonText);
    zoomIn_->setIcon(drawnIcon(Glyph::plus, colour));
    zoomOut_->setIcon(drawnIcon(Glyph::minus, colour));
    showAll_->setIcon(drawnIcon(Glyph::fit, colour));
}

void MapControls::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        updateIcons();
    QWidget::changeEvent(event);
}

} // namespace marklode::map
