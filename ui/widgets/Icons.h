#pragma once

#include <QIcon>

namespace marklode {

// A freedesktop theme icon, or our bundled drawing of it where the theme has none. Names of
// our own (gpx-track, car) exist only bundled. Main thread only; call prepareIconTheme first.
QIcon themedIcon(const char* name);

// Lets the offscreen and Xvfb platforms find the installed themes, falling back to Adwaita.
void prepareIconTheme();

} // namespace marklode
