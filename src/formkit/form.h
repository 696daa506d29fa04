#pragma once

#include "formkit/controlfactory.h"
#include "formkit/controllookup.h"
#include "formkit/formdesign.h"
#include "formkit/formwindow.h"

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <memory>
#include <optional>

class FormRuntime;
class SoundPlayer;

// A form: a persistent object whose window is made from its design when it
// is loaded and thrown away when it is unloaded. The object, and whatever
// state a subclass keeps in it, lives on.
//
// Show loads the window if needed (raising Load), shows it, and raises
// Activate once the calling handler has returned, when the form becomes the
// active form anew. A closing dialog or another application does not raise
// it again. A handler may unload its own form and carry on: the window is
// hidden at once and destroyed later.
class Form : public QObject
{
public:
    Form(FormRuntime &runtime, const FormDesign &design, SoundPlayer *sound = nullptr);
    ~Form() override;

    void Show();
    void Unload();
    bool isLoaded() const { return bool(window_); }
    FormWindow *window() const { return window_.get(); }

    // The pointer over the form's window, by the codes forms have always
    // given it.
    enum class MousePointer { Default = 0, Arrow = 1, Hourglass = 11 };
    void setMousePointer(MousePointer pointer);

protected:
    virtual void Load() {}
    virtual void Activate() {}
    // Takes hold of a freshly made window's controls, before connectEvents.
    virtual void bindControls(const ControlLookup &lookup) = 0;
    // Lets go of them, before the window is destroyed.
    virtual void releaseControls() = 0;
    // Connects the handlers to a freshly made window, before Load.
    virtual void connectEvents() {}
    // The window is about to go: whatever belongs with it goes first.
    virtual void windowUnloading() {}

    // Runs handler on every click of button, or tick of timer, unless the
    // program is ending or a modal dialog is open.
    template <class Handler>
    void onClick(QPushButton &button, Handler handler) { onEvent(button, &QPushButton::clicked, handler); }
    template <class Handler>
    void onTimer(QTimer &timer, Handler handler) { onEvent(timer, &QTimer::timeout, handler); }
    template <class Handler>
    void onTriggered(QAction &action, Handler handler) { onEvent(action, &QAction::triggered, handler); }


    FormRuntime &runtime() const { return runtime_; }
    // Whether a handler may run now: the window is loaded, the program is
    // not ending and no modal dialog is open.
    bool acceptsEvents() const;
    // The design entry a control of this form was made from, or none.
    const ControlDesign *designOf(const QString &controlName) const;

private:
    struct DeleteLater
    {
        void operator()(FormWindow *window) const;
    };

    template <class Sender, class Signal, class Handler>
    void onEvent(Sender &sender, Signal signal, Handler handler)
    {
        connect(&sender, signal, this, [this, handler] {
            if (!acceptsEvents())
                return;
            const QPointer<QWidget> focused = window_->focusWidget();
            handler();
            passFocusOn(focused);
        });
    }
    // A new window opens as the last one stood, and wholly on the screen.
    void placeOnScreen();
    void rememberFrame();
    // After a handler: when it disabled the control that held the focus,
    // the focus goes where the design says it passes to, not wherever Qt's
    // focus chain would put it.
    void passFocusOn(const QPointer<QWidget> &focused);
    void load();
    void closedThroughFrame();

    FormRuntime &runtime_;
    const FormDesign &design_;
    ControlFactory factory_;
    std::unique_ptr<FormWindow, DeleteLater> window_;
};

// A form whose handlers reach its controls through one struct of typed
// references, Controls, bound by Controls::bind when the window is made and
// dropped with the window, so that no reference outlives it.
template <class Controls>
class DesignedForm : public Form
{
public:
    using Form::Form;

    // The controls of the window now loaded.
    Controls &controls()
    {
        if (!controls_)
            stopOnWiringFault(QStringLiteral("a control of %1 was used while it was not loaded")
                                  .arg(objectName()));
        return *controls_;
    }

protected:
    void bindControls(const ControlLookup &lookup) final { controls_.emplace(Controls::bind(lookup)); }
    void releaseControls() final { controls_.reset(); }

private:
    std::optional<Controls> controls_;
};
