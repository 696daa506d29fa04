#include "results/windowarrangement.h"

#include <algorithm>

namespace arrangement {

namespace {

// Between the two frames, so that a frame drawn a pixel wider than it said
// never overlaps the other.
constexpr int Seam = 2;

// The Results window's frame in `room`, as large as wanted allows, level
// with the main window where it can be.
QRect within(const QRect &room, QSize wanted, const QRect &main)
{
    const QSize size = wanted.boundedTo(room.size());
    const int top = std::clamp(main.top(), room.top(), room.bottom() + 1 - size.height());
    return {QPoint(room.left(), top), size};
}

} // namespace

std::optional<TwoWindows> beside(const QRect &main, QSize wanted, QSize least, const QRect &available)
{
    if (least.height() > available.height())
        return std::nullopt;
    const QRect right(QPoint(main.right() + 1 + Seam, available.top()), available.bottomRight());
    if (right.width() >= least.width())
        return TwoWindows{main, within(right, wanted, main)};
    const QRect left(available.topLeft(), QPoint(main.left() - 1 - Seam, available.bottom()));
    if (left.width() >= least.width()) {
        QRect results = within(left, wanted, main);
        results.moveRight(left.right()); // against the main window
        return TwoWindows{main, results};
    }
    // Room for both, but not where the main window stands: it moves left
    // just enough for the Results window to open as large as the screen
    // allows on its right.
    const int spare = available.width() - main.width() - Seam;
    if (spare < least.width())
        return std::nullopt;
    const int resultsWidth = std::min(spare, wanted.width());
    QRect moved = main;
    moved.moveLeft(std::max(available.left(), available.right() + 1 - resultsWidth - Seam - main.width()));
    const QRect room(QPoint(moved.right() + 1 + Seam, available.top()), available.bottomRight());
    return TwoWindows{moved, within(room, QSize(resultsWidth, wanted.height()), moved)};
}

SideBySide sideBySide(const std::function<QSize(double)> &mainAt, const QList<double> &zooms, QSize least,
                      const QRect &available)
{
    double chosen = zooms.isEmpty() ? 1.0 : zooms.front();
    QSize main = mainAt(chosen);
    for (double zoom : zooms) {
        chosen = zoom;
        main = mainAt(zoom);
        if (main.width() + least.width() <= available.width() && main.height() <= available.height())
            break;
    }
    const QRect mainFrame(available.topLeft(), main);
    const int left = std::min(mainFrame.right() + 1 + Seam, available.right() + 1 - least.width());
    const QRect results(QPoint(left, available.top()), available.bottomRight());
    return {chosen, {mainFrame, results}};
}

} // namespace arrangement
