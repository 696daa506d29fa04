#pragma once

#include "forms/form2controls.h"
#include "formkit/form.h"

// The help window: prints the explanation and leads back to the main window.
class Form2 final : public DesignedForm<Form2Controls>
{
public:
    // main is the window that Close brings back.
    Form2(FormRuntime &runtime, Form &main);

protected:
    void Activate() override;
    void connectEvents() override;

private:
    void Command1_Click(); // Close

    Form &mainForm_;
};
