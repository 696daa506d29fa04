#pragma once

#include "platform/controlfactory.h"
#include "platform/formdesign.h"
#include "platform/formwindow.h"

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <memory>

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

    // The window's control of that name and type; the form must be loaded.
    template <class Control>
    Control &control(const char *name) const
    {
        auto *c = window_->findChild<Control *>(QString::fromLatin1(name));
        Q_ASSERT_X(c, "Form::control", name);
        return *c;
    }

    // 11 the hourglass, 1 the arrow, 0 the default.
    void setMousePointer(int pointer);

protected:
    virtual void Load() {}
    virtual void Activate() {}
    // Connects the handlers to a freshly made window, before Load.
    virtual void connectEvents() {}

    // Runs handler on every click of the named button, unless the program is ending.
    template <class Handler>
    void onClick(const char *name, Handler handler)
    {
        connect(&control<QPushButton>(name), &QPushButton::clicked, this, [this, handler] {
            if (acceptsEvents())
                handler();
        });
    }
    template <class Handler>
    void onTimer(const char *name, Handler handler)
    {
        connect(&control<QTimer>(name), &QTimer::timeout, this, [this, handler] {
            if (acceptsEvents())
                handler();
        });
    }

    FormRuntime &runtime() const { return runtime_; }

private:
    struct DeleteLater
    {
        void operator()(FormWindow *window) const;
    };

    bool acceptsEvents() const;
    void load();
    void closedThroughFrame();

    FormRuntime &runtime_;
    const FormDesign &design_;
    ControlFactory factory_;
    std::unique_ptr<FormWindow, DeleteLater> window_;
};
