#include "formkit/form.h"

#include "formkit/formruntime.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

void Form::DeleteLater::operator()(FormWindow *window) const
{
    // A handler of one of its controls may still be running.
    window->deleteLater();
}

Form::Form(FormRuntime &runtime, const FormDesign &design, SoundPlayer *sound)
    : runtime_(runtime), design_(design), factory_(sound)
{
    setObjectName(QString::fromLatin1(design.name));
}

Form::~Form()
{
    // No event loop is left to run a deferred delete: destroy it now.
    if (window_)
        std::unique_ptr<FormWindow> now(window_.release());
}

bool Form::acceptsEvents() const
{
    return window_ && !runtime_.isEnding() && !runtime_.isModal();
}

const ControlDesign *Form::designOf(const QString &controlName) const
{
    const auto entry = std::find_if(design_.controls.begin(), design_.controls.end(),
                                    [&](const ControlDesign &c) { return controlName == QLatin1String(c.name); });
    return entry == design_.controls.end() ? nullptr : &*entry;
}

void Form::passFocusOn(const QPointer<QWidget> &focused)
{
    if (!focused || !window_ || focused->window() != window_.get() || focused->isEnabled())
        return;
    QString next = focused->objectName();
    // Each step follows one design entry, so a cycle ends after as many.
    for (std::size_t step = 0; step < design_.controls.size(); ++step) {
        const ControlDesign *entry = designOf(next);
        if (!entry || !entry->focusPassesTo)
            return;
        next = QString::fromLatin1(entry->focusPassesTo);
        auto *successor = window_->findChild<QWidget *>(next);
        if (successor && successor->isEnabled() && successor->isVisible()) {
            successor->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Form::load()
{
    window_.reset(factory_.createWindow(design_).release());
    bindControls(ControlLookup(*window_, QString::fromLatin1(design_.name)));
    window_->setCloseHandler([this] { closedThroughFrame(); });
    placeOnScreen();
    runtime_.formLoaded(*this);
    connectEvents();
    Load();
}

void Form::placeOnScreen()
{
    const FormRuntime::FrameMemory &memory = runtime_.frameMemory();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The zoom the run has been using, or less where the screen is smaller:
    // the whole window, frame and title bar included, on the screen.
    const QRect available = screen->availableGeometry();
    const QSize room = available.size() - memory.margins;
    window_->resizeToZoom(window_->designLayout().zoomWithin(memory.zoom, room));
    window_->layOut();
    QRect frame(QPoint(), window_->size() + memory.margins);
    frame.moveCenter(available.center());
    // Where the run has put its windows, within the screen still.
    if (memory.topLeft)
        frame.moveTopLeft(*memory.topLeft);
    frame.moveLeft(std::max(std::min(frame.left(), available.right() + 1 - frame.width()), available.left()));
    frame.moveTop(std::max(std::min(frame.top(), available.bottom() + 1 - frame.height()), available.top()));
    window_->move(frame.topLeft());
    window_->setWindowState(memory.state);
}

void Form::rememberFrame()
{
    FormRuntime::FrameMemory &memory = runtime_.frameMemory();
    memory.state = window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (memory.state == Qt::WindowNoState)
        memory.zoom = window_->zoom();
    const QSize margins = window_->frameGeometry().size() - window_->geometry().size();
    if (window_->isVisible() && !margins.isEmpty())
        memory.margins = margins;
}

void Form::Show()
{
    if (runtime_.isEnding())
        return;
    if (!window_)
        load();
    window_->show();
    window_->activateWindow();
    if (runtime_.takeActivation(*this)) {
        // Activate runs after the handler that showed the form, from the
        // event loop, so that a dialog it opens or an End it reaches never
        // runs inside someone else's handler.
        QPointer<FormWindow> shown(window_.get());
        QMetaObject::invokeMethod(
            this,
            [this, shown] {
                if (shown && shown == window_.get() && !runtime_.isEnding())
                    Activate();
            },
            Qt::QueuedConnection);
    }
}

void Form::Unload()
{
    if (!window_)
        return;
    windowUnloading();
    for (QTimer *timer : window_->findChildren<QTimer *>())
        timer->stop();
    rememberFrame();
    window_->hide();
    releaseControls();
    window_.reset();
    runtime_.formUnloaded(*this);
}

void Form::closedThroughFrame()
{
    Unload();
    // Nothing watches a window closing; with no window left the program is over.
    if (runtime_.loadedCount() == 0)
        runtime_.End();
}

void Form::setMousePointer(MousePointer pointer)
{
    if (!window_)
        return;
    switch (pointer) {
    case MousePointer::Hourglass:
        window_->setCursor(Qt::WaitCursor);
        break;
    case MousePointer::Arrow:
        window_->setCursor(Qt::ArrowCursor);
        break;
    case MousePointer::Default:
        window_->unsetCursor();
        break;
    }
}
