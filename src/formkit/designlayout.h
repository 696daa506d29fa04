#pragma once

#include "formkit/formdesign.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QWidget;

// Places a window's controls from its design at a zoom: every control's
// geometry, font and frame are the design's, scaled together. At zoom 1 the
// window is the design to the pixel.
class DesignLayout
{
public:
    // Below this the captions are no longer legible.
    static constexpr double MinimumZoom = 0.6;

    explicit DesignLayout(const FormDesign &design);

    // control was made from entry, which belongs to this layout's design.
    void add(QWidget &control, const ControlDesign &entry);

    // The client area the design takes at zoom.
    QSize clientSize(double zoom) const;
    // What a window manager's frame adds to a window, allowed for until a
    // frame has been seen.
    static constexpr QSize FrameAllowance{16, 48};

    // The largest zoom at which the design fits room (possibly below the minimum).
    double fittingZoom(QSize room) const;
    // zoom, or less where room is too small for it, never below the minimum.
    double zoomWithin(double zoom, QSize room) const;
    // A control's rectangle at zoom, from the design's origin.
    static QRect pixelGeometry(const ControlDesign &entry, double zoom);

    // Lays every control out at zoom with the design's top-left at origin.
    void apply(QWidget &window, double zoom, QPoint origin) const;

private:
    const FormDesign &design_;
    std::vector<std::pair<QWidget *, const ControlDesign *>> controls_; // children of the window
};
