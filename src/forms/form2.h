#pragma once

#include "platform/form.h"

// The help window: prints the explanation and leads back to the main window.
class Form2 final : public Form
{
public:
    explicit Form2(FormRuntime &runtime);

    // The window that Close brings back.
    void setMainForm(Form &main) { mainForm_ = &main; }

protected:
    void Activate() override;
    void connectEvents() override;

private:
    void Command1_Click(); // Close

    Form *mainForm_ = nullptr;
};
