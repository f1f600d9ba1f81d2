#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>

class QLabel;
class QWidget;

namespace marklode::map {

class MapControls;

// What lies over the map in its corners: the buttons at the top right, the tiles' credit at the
// bottom right, the scale bar at the bottom left.

// The overlays' text: smaller than the map's font.
QFont overlayFont(const QFont& font);

// The tiles' credit, a link on a light box, dark in any theme.
QLabel* makeTileAttribution(QWidget* map);

// The attribution in the bottom right corner, never wider than the map (wrapped where it is
// narrower); the buttons in a column at the top right, or in a row where the map is too short
// for the column to clear the attribution. The attribution stays on top.
void layOutOverlays(const QWidget& map, QLabel& attribution, MapControls& controls);

// Where a scale bar of this size goes: the bottom left corner, or above the attribution where
// the map is too narrow for the two side by side.
QRectF scaleBarPlace(const QWidget& map, QSizeF size, const QLabel& attribution);

} // namespace marklode::map
