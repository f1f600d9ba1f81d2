#pragma once

#include <QColor>
#include <functional>

class QWidget;

namespace marklode {

// The contrast ratio of a colour drawn on a background (WCAG 2: 1 to 21); a translucent
// colour counts as it shows over the background.
double contrastRatio(const QColor& color, const QColor& background);

// The colour itself where it reads on the background with at least `ratio`, else the nearest
// lighter (on dark backgrounds) or darker shade that does: the same red or orange in a light
// and a dark palette.
QColor readableOn(const QColor& color, const QColor& background, double ratio = 4.5);

// `share` of the way from one colour to another (0: `from`, 1: `to`), keeping `from`'s alpha.
QColor mixedColor(const QColor& from, const QColor& to, double share);

// Calls `follow` now and again whenever the widget's palette changes, the application's
// palette or style changed at run time included; changes `follow` makes are not followed.
void followPalette(QWidget* widget, std::function<void()> follow);

// Secondary texts (status line, captions) are drawn in the palette's placeholder colour; a
// palette that leaves it dark on a dark window (Qt's own KDE theme on Qt 6.4) gets the window
// text at reduced strength instead, now and whenever the application's palette changes.
void keepPlaceholderTextReadable();

} // namespace marklode
