#pragma once

#include "formkit/designlayout.h"

#include <QList>
#include <QWidget>

#include <functional>

class Announcer;
class QAction;
struct FormDesign;

// The top-level window of a form, with no handlers of its own. Its design
// is drawn at the largest zoom that fits the window, centred, so that it
// can be resized, maximised or put full screen (F11), and zoomed from the
// keyboard (Ctrl++, Ctrl+-, Ctrl+0 for the design's own size).
// Closing it through its frame is reported to the form, which unloads it.
class FormWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit FormWindow(const FormDesign &design);

    void setCloseHandler(std::function<void()> handler);
    // Tells a screen reader, without moving the focus.
    void announce(const QString &message);

    DesignLayout &designLayout() { return layout_; }
    // The zoom the design is drawn at now.
    double zoom() const { return zoom_; }
    // The client size the design takes at zoom.
    QSize clientSize(double zoom) const { return layout_.clientSize(zoom); }

    // Sizes the window to the design at zoom (leaving full screen or
    // maximised first), within the screen it stands on.
    void zoomTo(double zoom);
    // Sizes the window to the design at exactly zoom, whatever the screen.
    void resizeToZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void toggleFullScreen();
    // Lays the design out for the window's present size.
    void layOut();

    // A command of the form's own, with its shortcut: offered first in the
    // window's context menu (the right button, the Menu key, Shift+F10),
    // before the zoom commands.
    void addCommand(QAction *command);
    // Opens the context menu at a point of the window, without waiting on it.
    void popUpMenu(const QPoint &at);

    // The zooms Ctrl++ and Ctrl+- step through.
    static double nextZoomUp(double zoom);
    static double nextZoomDown(double zoom);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void addKeys();

    DesignLayout layout_;
    double zoom_ = 0; // none yet: the first layout always runs
    double asked_ = 1.0; // the zoom the window was last sized for
    QPoint origin_;
    std::function<void()> closeHandler_;
    QList<QAction *> commands_; // children of the window
    QList<QAction *> zoomCommands_;
    Announcer *announcer_; // a child: the window owns it
};
