#include "platform/qt/form.h"

#include "platform/qt/formruntime.h"

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
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window_->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window_->move(frame.topLeft());
    }
    runtime_.formLoaded(*this);
    connectEvents();
    Load();
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
    for (QTimer *timer : window_->findChildren<QTimer *>())
        timer->stop();
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

void Form::setMousePointer(int pointer)
{
    if (!window_)
        return;
    switch (pointer) {
    case 11:
        window_->setCursor(Qt::WaitCursor);
        break;
    case 1:
        window_->setCursor(Qt::ArrowCursor);
        break;
    default:
        window_->unsetCursor();
        break;
    }
}
