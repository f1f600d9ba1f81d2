#pragma once

#include <QIcon>
#include <QPalette>

class QLabel;
class QPainter;

namespace marklode {

// A freedesktop theme icon, or our bundled drawing of it where the theme has none. Names of
// our own (gpx-track, car) exist only bundled. A monochrome icon (a symbolic drawing in one
// grey) is drawn in the application palette's text colours when it is painted: the window
// text normally, the highlighted text when selected, the disabled text when disabled; coloured
// icons are drawn as they are. Main thread only; call prepareIconTheme first.
QIcon themedIcon(const char* name);

// The theme's symbolic (monochrome) icon NAME-symbolic, else our bundled drawing of NAME, drawn
// in the text colours as above; for rows and labels that want one look under every theme.
QIcon symbolicIcon(const char* name);

// Lets the offscreen and Xvfb platforms find the installed themes, falling back to Adwaita.
void prepareIconTheme();

// Whether a drawing is in one grey: every opaque pixel of one colour, without hue.
bool isMonochrome(const QImage& image);

// Paints the icon into `rect` on the painter's device; a monochrome icon in `color`, read from
// the palette of what is painted at the time of painting.
void paintIcon(QPainter* painter, const QRect& rect, const QIcon& icon, const QColor& color,
               QIcon::Mode mode = QIcon::Normal);

// Shows the icon as the label's picture, a monochrome one in the label's `role` colour, and
// draws it again whenever the label's palette changes (a dark palette chosen at run time too).
void showIcon(QLabel* label, const QIcon& icon, int size,
              QPalette::ColorRole role = QPalette::WindowText);

} // namespace marklode
