#pragma once

#include "formkit/designlayout.h"
#include "runtime/programend.h"

#include <QPoint>
#include <QSize>
#include <Qt>

#include <optional>
#include <vector>

class Form;
class QWidget;

// What the forms of the program share: which of them are loaded, which one
// was activated last, and the end of the program. One per program run; the
// forms keep a reference to it.
class FormRuntime final : public ProgramEnd
{
public:
    explicit FormRuntime(ProgramEnd &programEnd);

    // Unloads every form and ends the program; from then on no form loads
    // again and no event reaches a handler.
    void End() override;
    bool isEnding() const { return ending_; }

    void formLoaded(Form &form);
    void formUnloaded(Form &form);
    int loadedCount() const { return int(loaded_.size()); }

    // Whether showing form makes it the active form anew, which raises its
    // Activate event. Showing the form that is already active does not.
    bool takeActivation(Form &form);

    // The window dialogs should stand over: the last activated form's.
    QWidget *dialogParent() const;

    // How the last window to go stood on the screen, so that the next one
    // (Help, Close) opens the same way for the rest of the run. Nothing is
    // written to disk.
    struct FrameMemory
    {
        double zoom = 1.0;
        Qt::WindowStates state = Qt::WindowNoState; // maximised or full screen
        // What the window manager's frame adds to a window; a generous
        // allowance until a window has been seen in one.
        QSize margins = DesignLayout::FrameAllowance;
        // Where the frame was put (side by side with another window);
        // nothing: centred on the screen.
        std::optional<QPoint> topLeft;
    };
    FrameMemory &frameMemory() { return frameMemory_; }

    // While a modal dialog is open no handler of any form runs, whatever
    // sends the event (the mouse, the keyboard, an assistive technology's
    // Press action, a click() from code): the dialog is waited on inside a
    // handler, and nothing else may run until it returns.
    class ModalScope
    {
    public:
        explicit ModalScope(FormRuntime &runtime) : runtime_(runtime) { ++runtime_.modalDepth_; }
        ~ModalScope() { --runtime_.modalDepth_; }
        ModalScope(const ModalScope &) = delete;
        ModalScope &operator=(const ModalScope &) = delete;

    private:
        FormRuntime &runtime_;
    };
    bool isModal() const { return modalDepth_ > 0; }

private:
    ProgramEnd &programEnd_;
    std::vector<Form *> loaded_; // not owned: the forms belong to the program
    Form *active_ = nullptr;
    bool ending_ = false;
    int modalDepth_ = 0;
    FrameMemory frameMemory_;
};
