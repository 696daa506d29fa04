#pragma once

#include <QList>
#include <QRect>

#include <functional>
#include <optional>

// Where the main window and the Results window stand together on a screen,
// so that the Results window never covers the experiment it explains. All
// rectangles are frames (title bar and borders included), in the screen's
// logical pixels.
namespace arrangement {

struct TwoWindows
{
    QRect main;
    QRect results;
};

// The Results window beside the main window, as it opens: on the side with
// room for it (the right first), as large as `wanted` where there is room,
// no smaller than `least`. Where neither side has room but the screen has
// room for both, the main window moves aside as little as it must. Nothing
// where the screen is too small for both side by side.
std::optional<TwoWindows> beside(const QRect &main, QSize wanted, QSize least, const QRect &available);

// Both windows side by side, the main window on the left at the first of
// `zooms` (the largest first) that leaves the Results window `least` beside
// it (at the last where none does); the Results window takes the rest of
// the screen. `mainAt` gives the main window's frame size at a zoom.
struct SideBySide
{
    double zoom;
    TwoWindows frames;
};
SideBySide sideBySide(const std::function<QSize(double)> &mainAt, const QList<double> &zooms, QSize least,
                      const QRect &available);

} // namespace arrangement
