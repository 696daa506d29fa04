#include "formkit/formruntime.h"

#include "formkit/form.h"

#include <algorithm>

FormRuntime::FormRuntime(ProgramEnd &programEnd)
    : programEnd_(programEnd)
{
}

void FormRuntime::End()
{
    if (ending_)
        return;
    ending_ = true;
    // Unloading changes the list, so work on a copy.
    const std::vector<Form *> loaded = loaded_;
    for (Form *form : loaded)
        form->Unload();
    programEnd_.End();
}

void FormRuntime::formLoaded(Form &form)
{
    loaded_.push_back(&form);
}

void FormRuntime::formUnloaded(Form &form)
{
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
    if (active_ == &form)
        active_ = nullptr;
}

bool FormRuntime::takeActivation(Form &form)
{
    if (active_ == &form)
        return false;
    active_ = &form;
    return true;
}

QWidget *FormRuntime::dialogParent() const
{
    return active_ ? active_->window() : nullptr;
}
