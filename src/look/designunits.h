#pragma once

#include <QColor>
#include <QFont>
#include <QtGlobal>

// Window designs are written in twips and points; the screen works in
// pixels. This is the one place that converts between them, at 96 dpi
// (15 twips to a pixel), times the zoom a window is drawn at (1 draws the
// design as it was made).
namespace design {

constexpr int TwipsPerPixel = 15;

int twipsToPixels(int twips, double zoom = 1.0);
// A font size in points as a pixel size at 96 dpi.
int pointsToPixels(double points, double zoom = 1.0);
// A line or frame drawn `pixels` wide in the design: never thinner than one pixel.
int strokeWidth(int pixels, double zoom);

// Text too large for its place is made smaller (a label's caption) or
// narrower (the help area's lines), never below this share of its design
// size, in per cent: smaller than that, it is no longer read from the back
// of a classroom.
inline constexpr int SmallestTextPercent = 75;

// A colour written the way designs give it: 0x00BBGGRR, red in the low byte.
QColor colorFromBgr(quint32 bgr);

// The Japanese proportional Gothic face the windows are designed in, with
// the stand-ins Linux desktops have, best first.
QFont gothicFont(double points, bool bold, double zoom = 1.0);
// A caption's font: the same, with QFont::PreferNoShaping, so that text is
// laid out glyph by glyph rather than shaped by HarfBuzz. The Gothic face's
// stand-ins draw every caption of the windows, labels' and buttons', at
// every size from 8 to 60 px exactly as shaped; labels and buttons of one
// size then share one font engine (made once, at start-up), and the
// counters repainted at every automatic shot skip shaping.
QFont captionFont(QFont font);

} // namespace design
