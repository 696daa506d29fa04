#include "formkit/formwindow.h"

#include "formkit/announcer.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <array>

namespace {

constexpr std::array ZoomSteps{0.6, 0.7, 0.8, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};

} // namespace

FormWindow::FormWindow(const FormDesign &design)
    : layout_(design), announcer_(new Announcer(this))
{
    // Laid out as designed in every language, right-to-left ones too.
    setLayoutDirection(Qt::LeftToRight);
    addKeys();
}

void FormWindow::addKeys()
{
    // Window-wide shortcuts, not controls: nothing joins the tab order.
    const auto add = [this](const QString &text, const QList<QKeySequence> &keys,
                            const std::function<void()> &act) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
        return action;
    };
    zoomCommands_ = {
        add(tr("Zoom In"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            [this] { zoomIn(); }),
        add(tr("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomOut(); }),
        add(tr("Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomTo(1.0); }),
        add(tr("Full Screen"), {QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); }),
    };
    // The keyboard's ways to the context menu, at the control with the focus.
    add(QString(), {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}, [this] {
        const QWidget *focused = focusWidget();
        popUpMenu(focused ? focused->mapTo(this, focused->rect().center()) : rect().center());
    });
}

void FormWindow::addCommand(QAction *command)
{
    command->setShortcutContext(Qt::WindowShortcut);
    addAction(command);
    commands_.append(command);
}

void FormWindow::contextMenuEvent(QContextMenuEvent *event)
{
    popUpMenu(mapFromGlobal(event->globalPos()));
    event->accept();
}

void FormWindow::popUpMenu(const QPoint &at)
{
    // Not exec(): nothing of the program waits on a menu.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->addActions(commands_);
    if (!commands_.isEmpty())
        menu->addSeparator();
    menu->addActions(zoomCommands_);
    menu->popup(mapToGlobal(at));
}

void FormWindow::setCloseHandler(std::function<void()> handler)
{
    closeHandler_ = std::move(handler);
}

void FormWindow::announce(const QString &message)
{
    announcer_->announce(message);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (closeHandler_)
        closeHandler_();
}

void FormWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void FormWindow::layOut()
{
    const double zoom = std::max(DesignLayout::MinimumZoom, layout_.fittingZoom(size()));
    // A window sized for a zoom draws at that zoom exactly (at the design's
    // own size, the design to the pixel).
    const double drawn = clientSize(asked_) == size() ? asked_ : zoom;
    const QSize used = clientSize(drawn);
    const QPoint origin(std::max(0, (width() - used.width()) / 2),
                        std::max(0, (height() - used.height()) / 2));
    if (drawn == zoom_ && origin == origin_)
        return;
    zoom_ = drawn;
    origin_ = origin;
    layout_.apply(*this, drawn, origin);
}

void FormWindow::zoomTo(double zoom)
{
    if (windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    if (const QScreen *s = screen()) {
        // Within the screen, frame included; the frame is known once shown.
        const QSize margins = isVisible() ? frameGeometry().size() - geometry().size()
                                          : DesignLayout::FrameAllowance;
        zoom = layout_.zoomWithin(zoom, s->availableGeometry().size() - margins);
    }
    resizeToZoom(zoom);
}

void FormWindow::resizeToZoom(double zoom)
{
    asked_ = std::max(DesignLayout::MinimumZoom, zoom);
    resize(clientSize(asked_));
}

double FormWindow::nextZoomUp(double zoom)
{
    for (double step : ZoomSteps)
        if (step > zoom + 0.001)
            return step;
    return ZoomSteps.back();
}

double FormWindow::nextZoomDown(double zoom)
{
    for (auto it = ZoomSteps.rbegin(); it != ZoomSteps.rend(); ++it)
        if (*it < zoom - 0.001)
            return *it;
    return ZoomSteps.front();
}

void FormWindow::zoomIn()
{
    zoomTo(nextZoomUp(zoom_));
}

void FormWindow::zoomOut()
{
    zoomTo(nextZoomDown(zoom_));
}

void FormWindow::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}
