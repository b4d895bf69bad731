#pragma once
#include <QSize>

// How large a window's pixel art is drawn. The player picks a whole factor
// (1, 2, 3...) in the desktop's logical pixels; a picture's pixel then takes
// a whole number of the screen's device pixels, so every pixel stays a sharp
// square even where the desktop scales by 1.5.
namespace scaling {

// The logical pixels a picture's pixel takes at `factor` on a screen of
// `ratio`: what the content is scaled by. Above 1 a whole number of device
// pixels; at 1 the content's own size, as the desktop draws every window.
double scale(int factor, double ratio);
// `natural` (the content at factor 1, logical pixels) drawn at `factor`, rounded up.
QSize scaled(QSize natural, int factor, double ratio);
// The largest factor at which `natural` fits in `space`; 1 when nothing larger does.
int fittingFactor(QSize space, QSize natural, double ratio);
// The largest factor at which a window and its side windows fit side by side
// in `area`: `fixed` is what does not grow (frames, menus, the gap between
// the windows), `content` and `side` what does, each at factor 1.
int firstFactor(QSize area, QSize fixed, QSize content, QSize side, double ratio);

} // namespace scaling
